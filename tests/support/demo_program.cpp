#include "demo_program.h"

#include "ui/text.h"

namespace sv::test {

FrmDemo::FrmDemo(ui::App& app)
    : ui::Window(app, kName),
      ImgFond(picture("ImgFond", {0, 0, 6000, 4500})),
      LblInfo(label("LblInfo", {300, 300, 2400, 600})),
      LblCible(label("LblCible", {3300, 300, 1500, 900})),
      ImgPiece(picture("ImgPiece", {300, 1050, 600, 450})),
      CmdOk(button("CmdOk", {300, 1650, 1200, 375}, "OK")),
      CmdFin(button("CmdFin", {1650, 1650, 1200, 375}, "Fin")),
      CmdAutre(button("CmdAutre", {3000, 1650, 1200, 375}, "Autre")),
      TxtNom(textBox("TxtNom", {300, 2175, 1800, 315})),
      FraChoix(frame("FraChoix", {300, 2625, 2700, 1000}, "Choix")),
      OptA(option("OptA", {150, 250, 1000, 300}, "A", -1, &FraChoix)),
      OptB(option("OptB", {1200, 250, 1000, 300}, "B", -1, &FraChoix)),
      OptC(option("OptC", {3300, 2700, 1000, 300}, "C")),
      ChkSon(checkBox("ChkSon", {3300, 3100, 1500, 300}, "Son")),
      CboDuree(comboBox("CboDuree", {4500, 2175, 1200, 315})),
      LstItems(listBox("LstItems", {3300, 1200 + 1000, 1, 1})),
      TimDeb(timer("TimDeb")),
      TimA(timer("TimA")),
      TimB(timer("TimB")),
      TimC(timer("TimC")) {
    setCaption("Démonstration");
    move(1000, 1000, 6090, 4960);
    LstItems.setBounds(4500, 2625, 1200, 1000);
    for (int i = 1; i <= 3; ++i) {
        ui::Label& l = label("LblArr", {300 + (i - 1) * 900, 3750, 800, 300}, i);
        l.setCaption("Case " + std::to_string(i));
        LblArr.put(i, l);
    }
    LblInfo.setWordWrap(true);
    LblInfo.onChange = [this] {
        ++NbChange;
        log("LblInfo_Change");
    };
    LblCible.setBorder(true);
    LblCible.setCaption("Cible");
    LblCible.onDragDrop = [this](ui::Control& source, double x, double y) {
        Depot = source.qualifiedName() + "@" + ui::numberText(x) + "," + ui::numberText(y);
    };
    ImgPiece.setDraggable(true);
    ImgPiece.setStretch(true);
    ImgPiece.onClick = [this] { log("ImgPiece_Click"); };
    CmdOk.onClick = [this] {
        Reponse = this->app().msgBox("Voulez-vous continuer ?", ui::MsgButtons::YesNo, ui::MsgIcon::Question, "Savanto");
        LblInfo.setCaption(Reponse == ui::kMsgYes ? "Oui" : "Non");
    };
    CmdFin.onClick = [this] { this->app().end(); };
    CmdAutre.onClick = [this] {
        this->app().load("FrmAutre").show();
        CmdAutre.setEnabled(false);
    };
    TxtNom.setMaxLength(8);
    TxtNom.setCp1252Only(true);
    TxtNom.onGotFocus = [this] { TxtNom.setSelection(0, static_cast<int>(text::length(TxtNom.text()))); };
    for (ui::OptionButton* o : {&OptA, &OptB, &OptC}) o->onClick = [this, o] { log(o->name() + "_Click"); };
    ChkSon.onClick = [this] { log(std::string("ChkSon_Click=") + (ChkSon.value() ? "1" : "0")); };
    for (const char* item : {"1 mn", "2 mn", "3 mn"}) CboDuree.addItem(item);
    CboDuree.onClick = [this] { log("CboDuree_Click=" + CboDuree.text()); };
    for (const char* item : {"un", "deux"}) LstItems.addItem(item);
    LstItems.onClick = [this] { log("LstItems_Click=" + std::to_string(LstItems.listIndex())); };
    LblArr(2).onClick = [this] { log("LblArr(2)_Click"); };
    LblArr(3).onMouseDown = [this](int b, int, double x, double y) {
        log("LblArr(3)_MouseDown=" + std::to_string(b) + "@" + ui::numberText(x) + "," + ui::numberText(y));
    };
    TimDeb.onTimer = [this] {
        show();
        TimDeb.setInterval(0);
    };
    int n = 0;
    for (ui::Timer* t : {&TimA, &TimB, &TimC}) {
        t->onTimer = [this, t, i = ++n] {
            ++Tours[i];
            log(t->name());
            if (onTim[i]) onTim[i]();
        };
    }
    fields().bind("Journal", Journal);
    fields().bind("NbChange", NbChange);
    fields().bind("Reponse", Reponse);
    fields().bind("Garder", Garder);
    fields().bind("Depot", Depot);
    fields().array("Tours", 1, 3, [this](int i) { return std::to_string(Tours[i]); });
}

void FrmDemo::Form_Load() {
    ImgFond.setStretch(true);
    ImgFond.loadFile(app().programFolder() + "demo.gif");
    ImgPiece.loadFile(app().programFolder() + "demo.gif");
    TimDeb.setInterval(100);
}

void FrmDemo::Form_Unload(int& cancel) {
    if (Garder == 1) cancel = 1;
}

FrmAutre::FrmAutre(ui::App& app)
    : ui::Window(app, kName), Lbl(label("Lbl", {120, 120, 2000, 300})), CmdFermer(button("CmdFermer", {120, 600, 1200, 375}, "Fermer")) {
    setCaption("Autre");
    move(2000, 2000, 3000, 2000);
    Lbl.setCaption("Autre fenêtre");
    CmdFermer.onClick = [this] { this->app().unload(*this); };
}

DemoProgram::DemoProgram() {
    fields_.bind("Compteur", Compteur);
    fields_.bind("Nom", Nom);
    fields_.bindArray("Table", Table, 1);
}

void DemoProgram::start(ui::App& app) {
    ++Compteur;
    app.load("FrmDemo");
}

std::unique_ptr<ui::Window> DemoProgram::createWindow(ui::App& app, const std::string& name) {
    if (name == FrmDemo::kName) return std::make_unique<FrmDemo>(app);
    if (name == FrmAutre::kName) return std::make_unique<FrmAutre>(app);
    return nullptr;
}

}  // namespace sv::test
