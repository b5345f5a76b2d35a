#include "records/frm_temps.h"

#include "board/frm_csav.h"
#include "support/report.h"
#include "ui/app.h"
#include "ui/look.h"

namespace sv::records {

namespace {
const char* const kTimed = "Minutage des questions en service";
const char* const kNotTimed = "Minutage des questions hors service";
const char* const kItems[4] = {"1 mn", "2 mn", "3 mn", "5 mn"};
constexpr int kSeconds[4] = {60, 120, 180, 300};
}  // namespace

int secondsOf(const std::string& item) {
    for (int k = 0; k < 4; ++k) {
        if (item == kItems[k]) return kSeconds[k];
    }
    return 0;
}

FrmTemps::FrmTemps(ui::App& app, state::Module& m)
    : ui::Window(app, kName),
      ImgFond(picture("ImgFond", {-30, -30, 6300, 3900})),
      Chk1(checkBox("Chk1", {900, 1440, 4500, 330}, kTimed)),
      Cbo(comboBox("Cbo", {3000, 2040, 1380, 330})),
      TxtCbo(textBox("TxtCbo", {3000, 2040, 1110, 330})),
      CmdFerme(button("CmdFerme", {4320, 3030, 1560, 420}, "Fermer")),
      Foc(button("Foc", {-3000, -3000, 300, 300}, "")),
      TimDeb(timer("TimDeb")),
      m_(m) {
    setOwner("FrmCSav");  // over the board, without a taskbar entry of its own
    setCaption("Temps de réflexion");
    setBackColor(ui::look::kPaper);
    ui::Label& title = label("Lbl", {300, 270, 5640, 330}, 0);
    title.setCaption("Durée du temps de réflexion");
    title.setFont({"MS Sans Serif", 11, true, false, false});
    title.setAlignment(ui::Align::Center);
    ui::Label& help = label("Lbl", {600, 720, 5040, 540}, 1);
    help.setCaption("Vous pouvez définir le temps alloué aux joueurs pour réfléchir avant de répondre.");
    help.setFont({"MS Sans Serif", 9, false, false, false});
    help.setAlignment(ui::Align::Center);
    ui::Label& length = label("Lbl", {900, 2085, 2040, 285}, 2);
    length.setCaption("Temps pour répondre :");
    length.setFont({"MS Sans Serif", 9, false, false, false});
    for (int k = 0; k < 3; ++k) {
        Lbl.put(k, k == 0 ? title : k == 1 ? help : length);
        Lbl(k).setForeColor(ui::look::kInk);
    }
    for (const char* item : kItems) Cbo.addItem(item);
    Chk1.setFont({"MS Sans Serif", 9, true, false, false});
    Chk1.setForeColor(ui::look::kInk);
    Cbo.setFont({"MS Sans Serif", 9, false, false, false});
    TxtCbo.setFont({"MS Sans Serif", 9, false, false, false});
    TxtCbo.setReadOnly(true);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Lbl(0), &Lbl(1), &Lbl(2), &Chk1, &Cbo, &TxtCbo}) {
        c->zOrderTop();
    }
    Chk1.onClick = [this] { Chk1_Click(); };
    Cbo.onClick = [this] { Cbo_Click(); };
    CmdFerme.onClick = [this] { this->app().unload(*this); };
    Foc.onClick = [this] { this->app().unload(*this); };
    TimDeb.onTimer = [this] { TimDeb_Timer(); };
    moveWithMouse(ImgFond);
}

void FrmTemps::Form_Load() {
    try {
        ImgFond.setStretch(false);
        ImgFond.move(-30, -30);
        ImgFond.loadResource("FENETRE");
        setWidth(ImgFond.width() - 60 + kBorderWidth);
        setHeight(ImgFond.height() - 60 + kBorderHeight);
        move((app().screenWidth() - width()) / 2, (app().screenHeight() - height()) / 2);
        Chk1.setValue(m_.Minut == 1);
        for (int k = 0; k < 4; ++k) {
            if (m_.Duree == kSeconds[k]) TxtCbo.setText(kItems[k]);
        }
    } catch (const RuntimeError& e) {
        // The settings stay within reach even without their background.
        support::reportError(app(), m_, support::lieu::kTimeSettings, e);
    }
    TimDeb.setInterval(200);
}

void FrmTemps::TimDeb_Timer() {
    Chk1.setCaption(Chk1.value() ? kTimed : kNotTimed);
    show();
    TimDeb.setInterval(0);
}

void FrmTemps::Chk1_Click() {
    const bool timed = Chk1.value();
    m_.Minut = timed ? 1 : 0;
    Chk1.setCaption(timed ? kTimed : kNotTimed);
    if (auto* board = app().find<board::FrmCSav>()) {
        board->ImgTpsOK.setVisible(timed);
        board->ImgTpsHS.setVisible(!timed);
    }
}

void FrmTemps::Cbo_Click() {
    TxtCbo.setVisible(false);
    if (const int s = secondsOf(Cbo.text())) m_.Duree = s;
    Foc.setFocus();
}

void FrmTemps::Form_Unload(int& cancel) {
    (void)cancel;
    if (const int s = secondsOf(TxtCbo.visible() ? TxtCbo.text() : Cbo.text())) m_.Duree = s;
    if (ui::Window* board = app().find("FrmCSav")) board->setEnabled(true);
}

}  // namespace sv::records
