#include "screens/frm_bdema.h"

#include "support/mail.h"
#include "support/report.h"
#include "ui/app.h"
#include "ui/text.h"

namespace sv::screens {

namespace {
const ui::Color kInk = ui::rgb(24, 38, 84);         // captions on the panels
const ui::Color kLight = ui::rgb(255, 244, 200);    // captions over the dark background
const ui::Color kPanel = ui::rgb(248, 244, 232);    // panels
const ui::Font kText{"MS Sans Serif", 9, false, false, false};
}  // namespace

FrmBDema::FrmBDema(ui::App& app, state::Module& m)
    : ui::Window(app, kName),
      ImgFond(picture("ImgFond", {0, 0, 6270, 4630})),
      Opt1(option("Opt1", {600, 480, 1500, 285}, "Un joueur")),
      Opt2(option("Opt2", {2460, 480, 1700, 285}, "Deux joueurs")),
      Opt3(option("Opt3", {4500, 480, 1200, 285}, "Quizz")),
      Fra1(frame("Fra1", {240, 900, 5700, 1860}, "Partie simple, un seul joueur")),
      Fra2(frame("Fra2", {240, 5000, 5700, 1860}, "Deux joueurs ou par équipes")),
      Fra3(frame("Fra3", {240, 7000, 5700, 1860}, "Jeu de questions/réponses")),
      TxtJ1(textBox("TxtJ1", {360, 720, 2400, 330}, -1, &Fra1)),
      TxtJ2(textBox("TxtJ2", {360, 720, 2400, 330}, -1, &Fra2)),
      TxtJ3(textBox("TxtJ3", {3000, 720, 2400, 330}, -1, &Fra2)),
      Optio1(option("Optio1", {240, 330, 2500, 270}, "Géographie", -1, &Fra3)),
      Optio2(option("Optio2", {240, 600, 2500, 270}, "Histoire", -1, &Fra3)),
      Optio3(option("Optio3", {240, 870, 2500, 270}, "Arts et littérature", -1, &Fra3)),
      Optio4(option("Optio4", {2880, 330, 2600, 270}, "Sciences et nature", -1, &Fra3)),
      Optio5(option("Optio5", {2880, 600, 2600, 270}, "Sports et loisirs", -1, &Fra3)),
      Optio6(option("Optio6", {2880, 870, 2600, 270}, "Divertissement", -1, &Fra3)),
      Frame2(frame("Frame2", {120, 1260, 4140, 420}, "", -1, &Fra3)),
      Op1(option("Op1", {1620, 60, 540, 285}, "20", -1, &Frame2)),
      Op2(option("Op2", {2160, 60, 540, 285}, "30", -1, &Frame2)),
      Op3(option("Op3", {2700, 60, 540, 285}, "50", -1, &Frame2)),
      Frame1(frame("Frame1", {240, 2880, 5700, 540}, "")),
      Option1(option("Option1", {2460, 150, 1300, 285}, "Plutôt facile", -1, &Frame1)),
      Option2(option("Option2", {2460, 150, 1200, 285}, "Moyen", -1, &Frame1)),
      Option3(option("Option3", {3780, 150, 1800, 285}, "Plutôt difficile", -1, &Frame1)),
      CmdInfo(button("CmdInfo", {240, 3600, 1380, 420}, "Info")),
      CmdQuitter(button("CmdQuitter", {4560, 3600, 1380, 420}, "Quitter")),
      Foc(textBox("Foc", {-3000, -3000, 300, 300})),
      TimDeb(timer("TimDeb")),
      m_(m) {
    setCaption(std::string(34, ' ') + "Savanto");
    move(0, 0, 6270, 4630);
    ImgFond.setStretch(true);

    struct L {
        int index;
        ui::Rect r;
        const char* caption;
        ui::Control* in;
    };
    const L labels[] = {
        {5, {0, 120, 6180, 300}, "Sélectionnez un type de partie à jouer", nullptr},
        {2, {360, 420, 3000, 270}, "Quel est votre nom ?", &Fra1},
        {0, {360, 420, 2400, 270}, "Nom du 1er joueur", &Fra2},
        {1, {3000, 420, 2400, 270}, "Nom du 2e joueur", &Fra2},
        {3, {120, 90, 1500, 270}, "Questionnaire de", &Frame2},
        {4, {3240, 90, 900, 270}, "questions.", &Frame2},
        {6, {240, 180, 2160, 270}, "Charger  un  questionnaire", &Frame1},
    };
    for (const L& l : labels) {
        ui::Label& c = label("Lbl", l.r, l.index, l.in);
        c.setCaption(l.caption);
        Lbl.put(l.index, c);
    }
    for (int i = 1; i <= 3; ++i) {
        ui::Button& b = button("CmdJouer", {4320, 1260, 1200, 420}, "   Jouer...", i, i == 1 ? &Fra1 : i == 2 ? &Fra2 : &Fra3);
        CmdJouer.put(i, b);
        b.onClick = [this, i] { CmdJouer_Click(i); };
    }

    // Look: one font, dark captions over the background, light panels.
    for (ui::Control* c : controls()) {
        if (c->kind() != ui::ControlKind::Timer) c->setFont(kText);
    }
    Lbl(5).setFont({"MS Sans Serif", 11, true, false, false});
    Lbl(5).setAlignment(ui::Align::Center);
    for (ui::Control* c : {static_cast<ui::Control*>(&Lbl(5)), static_cast<ui::Control*>(&Opt1),
                           static_cast<ui::Control*>(&Opt2), static_cast<ui::Control*>(&Opt3)}) {
        c->setForeColor(kLight);
    }
    Lbl(5).setForeColor(ui::kWhite);
    for (ui::Frame* f : {&Fra1, &Fra2, &Fra3, &Frame1}) {
        f->setBackColor(kPanel);
        f->setForeColor(kInk);
        f->setBorder(true);
        f->setFont({"MS Sans Serif", 9, true, false, false});
    }
    Frame2.setBorder(false);
    for (ui::TextBox* t : {&TxtJ1, &TxtJ2, &TxtJ3}) {
        t->setMaxLength(8);
        t->setCp1252Only(true);
        t->setAlignment(ui::Align::Center);
        t->setFont({"MS Sans Serif", 10, true, false, false});
    }
    Option1.setVisible(false);
    TxtJ1.setAccessibleName("Votre nom");
    TxtJ2.setAccessibleName("Nom du 1er joueur");
    TxtJ3.setAccessibleName("Nom du 2e joueur");

    // The design's first selections (no click handler runs for them).
    Opt1.setValue(true);
    Optio1.setValue(true);
    Op1.setValue(true);
    Fra2.setVisible(false);
    Fra3.setVisible(false);

    Opt1.onClick = [this] { showPanel(1); };
    Opt2.onClick = [this] { showPanel(2); };
    Opt3.onClick = [this] { showPanel(3); };
    Option1.onClick = [this] { m_.Quest = 1; };
    Option2.onClick = [this] { m_.Quest = 2; };
    Option3.onClick = [this] { m_.Quest = 3; };
    auto selectAll = [](ui::TextBox& t) { t.setSelection(0, static_cast<int>(text::length(t.text()))); };
    TxtJ1.onGotFocus = [this, selectAll] { selectAll(TxtJ1); };
    TxtJ2.onGotFocus = [this, selectAll] { selectAll(TxtJ2); };
    TxtJ3.onGotFocus = [this, selectAll] { selectAll(TxtJ3); };
    CmdInfo.onClick = [this] { CmdInfo_Click(); };
    CmdQuitter.onClick = [this] { CmdQuitter_Click(); };
    TimDeb.onTimer = [this] { TimDeb_Timer(); };
}

void FrmBDema::showPanel(int n) {
    Fra1.setVisible(n == 1);
    Fra2.setVisible(n == 2);
    Fra3.setVisible(n == 3);
}

void FrmBDema::Form_Load() {
    try {
        m_.NbQuestCat = 50;
        ImgFond.move(0, 0);
        move((app().screenWidth() - 6270) / 2, (app().screenHeight() - 4630) / 2, 6270, 4630);
        Fra2.setTop(Fra1.top());
        Fra3.setTop(Fra1.top());
        ImgFond.loadFile(m_.CheminApp + "WFenet.gif");
        ImgFond.setBounds(0, 0, width(), height());
        if (m_.Quest == 1) Option1.setValue(true);
        if (m_.Quest == 2) Option2.setValue(true);
        if (m_.Quest == 3) Option3.setValue(true);
        TxtJ1.setText(m_.NomJ1);
        TxtJ2.setText(m_.NomJ2);
        TxtJ3.setText(m_.NomJ3);
        TimDeb.setInterval(200);
    } catch (const RuntimeError& e) {
        support::reportError(app(), m_, support::lieu::kStartScreen, e);
        if (e.number() == 3024) TimDeb.setInterval(200);
    }
}

void FrmBDema::TimDeb_Timer() {
    show();
    TimDeb.setInterval(0);
}

void FrmBDema::CmdJouer_Click(int index) {
    switch (index) {
        case 1:
            if (TxtJ1.text().empty()) return TxtJ1.setFocus();
            m_.TypePartie = state::GameType::OnePlayer;
            m_.NomJ1 = text::left(TxtJ1.text(), 8);
            break;
        case 2:
            if (TxtJ2.text().empty()) return TxtJ2.setFocus();
            if (TxtJ3.text().empty()) return TxtJ3.setFocus();
            m_.TypePartie = state::GameType::TwoSides;
            m_.NomJ1 = text::left(TxtJ1.text(), 8);
            m_.NomJ2 = text::left(TxtJ2.text(), 8);
            m_.NomJ3 = text::left(TxtJ3.text(), 8);
            break;
        case 3: {
            m_.TypePartie = state::GameType::Quiz;
            const std::pair<ui::OptionButton*, const char*> keys[] = {{&Optio1, "QueB"}, {&Optio2, "QueJ"},
                                                                      {&Optio3, "QueM"}, {&Optio4, "QueV"},
                                                                      {&Optio5, "QueO"}, {&Optio6, "QueR"}};
            for (const auto& [option, key] : keys) {
                if (option->value()) m_.CleCat = key;
            }
            if (Op1.value()) m_.NbQuestSerie = 20;
            if (Op2.value()) m_.NbQuestSerie = 30;
            if (Op3.value()) m_.NbQuestSerie = 50;
            break;
        }
        default: return;
    }
    app().setPointer(ui::Pointer::Hourglass);
    app().load("FrmCharge").show();
    app().unload(*this);
}

void FrmBDema::CmdInfo_Click() {
    const std::string& n = m_.CrLf;
    m_.TexteMsg = n + "Retrouvez  ou  découvrez  le  célèbre jeu  Savanto sur  votre ordinateur." + std::string(12, ' ') +
                  n + "Faites  appel à  votre culture  générale en  répondant à différentes  questions" +
                  n + "classées  en six  catégories de sujets :  géographie, histoire, arts & littérature," +
                  n + "sciences & nature ,  sports & loisirs  et  divertissements. Votre  objectif  est  d'" +
                  n + "obtenir six portions de camembert correspondant aux six catégories." +
                  n + n + "Vous  pouvez  jouer  seul  ou  à  deux  ( éventuellement  en  équipes )  ou" +
                  n + "vous  entraîner  en  répondant  à  des  questions." +
                  n + n + "Voulez-vous plus d'informations à propos de la règle du jeu ?" + n;
    m_.RepMsg = app().msgBox(m_.TexteMsg, ui::MsgButtons::YesNo, ui::MsgIcon::Information, "Savanto");
    if (m_.RepMsg == ui::kMsgYes) support::OuvrirDocument(app(), m_, "Reglejeu.htm", "la règle du jeu");
    Foc.setFocus();
}

void FrmBDema::CmdQuitter_Click() { app().end(); }

bool FrmBDema::Form_KeyDown(const std::string& key) {
    ui::Control* focus = focusControl();
    if (key == "enter") {
        // Enter in a name box plays, as "Jouer..." beside it does; so does Enter on the type
        // of game chosen.
        int panel = focus == &TxtJ1 ? 1 : focus == &TxtJ2 || focus == &TxtJ3 ? 2 : 0;
        if (focus == &Opt1 || focus == &Opt2 || focus == &Opt3) panel = Opt3.value() ? 3 : Opt2.value() ? 2 : 1;
        if (panel == 0) return false;
        if (CmdJouer(panel).effectivelyVisible() && CmdJouer(panel).effectivelyEnabled()) app().userClick(CmdJouer(panel));
        return true;
    }
    // With the focus on nothing in particular, the arrows choose the type of game.
    if ((key == "left" || key == "right" || key == "up" || key == "down") && (focus == nullptr || focus == &Foc)) {
        ui::OptionButton* types[3] = {&Opt1, &Opt2, &Opt3};
        int at = Opt3.value() ? 2 : Opt2.value() ? 1 : 0;
        at = (at + (key == "right" || key == "down" ? 1 : 2)) % 3;
        types[at]->setFocus();
        types[at]->setValue(true);
        return true;
    }
    return false;
}

void FrmBDema::Form_Unload(int& cancel) {
    (void)cancel;
    m_.NumPartie += 1;
}

}  // namespace sv::screens
