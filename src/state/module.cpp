#include "state/module.h"

namespace sv::state {

Module::Module() { registerFields(); }

QuestionTable& Module::table(int categoryIndex) {
    switch (categoryIndex) {
        case 1: return TabGeo;
        case 2: return TabDiv;
        case 3: return TabHis;
        case 4: return TabArt;
        case 5: return TabSci;
        default: return TabSpo;
    }
}

QuestionTable* Module::tableByKey(const std::string& key) {
    const Category* c = categoryByKey(key);
    return c ? &table(c->index) : nullptr;
}

void Module::registerFields() {
    auto& f = fields_;
    f.bind("CrLf", CrLf);
    f.bind("TexteMsg", TexteMsg);
    f.bind("RepMsg", RepMsg);
    f.bind("CheminApp", CheminApp);
    f.bind("CheminApp2", CheminApp2);
    f.bind("CheminDonnees", CheminDonnees);
    f.bind("TypePartie", TypePartie);
    f.bind("NomJ1", NomJ1);
    f.bind("NomJ2", NomJ2);
    f.bind("NomJ3", NomJ3);
    f.bind("SonYN", SonYN);
    f.bind("Minut", Minut);
    f.bind("Duree", Duree);
    f.bind("NbPartJ1", NbPartJ1);
    f.bind("NbPartJ2", NbPartJ2);
    f.bind("RepJuste", RepJuste);
    f.bind("Quest", Quest);
    f.bind("NbQuestCat", NbQuestCat);
    f.scalar("TypeCase", [this] { return std::string(squareTypeCode(TypeCase)); });
    f.bind("CleCat", CleCat);
    f.bind("JQuiJ", JQuiJ);
    f.bind("ChoixFait", ChoixFait);
    f.bind("RepEntraine", RepEntraine);
    f.bind("ErrTexte", ErrTexte);
    f.bind("ErrNum", ErrNum);
    f.bind("ErrLieu", ErrLieu);
    f.bind("NbRapports", NbRapports);
    f.bind("NumPartie", NumPartie);
    f.bind("NbQuestSerie", NbQuestSerie);
    const std::vector<std::string> members = {"Question", "Choix1", "Choix2", "Choix3", "Choix4", "Reponse", "Dispo"};
    for (const auto& c : kCategories) {
        const int index = c.index;
        f.records("Tab" + std::string(c.code), 0, kSlots, members, [this, index](int i, const std::string& m) {
            const QuestionRecord& r = table(index)[static_cast<std::size_t>(i)];
            if (m == "Question") return r.Question;
            if (m == "Choix1") return r.Choix1;
            if (m == "Choix2") return r.Choix2;
            if (m == "Choix3") return r.Choix3;
            if (m == "Choix4") return r.Choix4;
            if (m == "Reponse") return r.Reponse;
            return std::to_string(r.Dispo);
        });
    }
    auto recap = [&f](const std::string& suffix, RecapList& list) {
        f.array("RecapQuest" + suffix, 1, kRecapEntries, [&list](int i) { return list.Quest[static_cast<std::size_t>(i)]; });
        f.array("RecapRep" + suffix, 1, kRecapEntries, [&list](int i) { return list.Rep[static_cast<std::size_t>(i)]; });
        f.array("RecapJuste" + suffix, 1, kRecapEntries,
                [&list](int i) { return std::to_string(list.Juste[static_cast<std::size_t>(i)]); });
    };
    recap("", Recap);
    recap("J1", RecapJ1);
    recap("J2", RecapJ2);
}

}  // namespace sv::state
