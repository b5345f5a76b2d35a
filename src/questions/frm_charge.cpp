#include "questions/frm_charge.h"

#include "questions/question_bank.h"
#include "ui/app.h"
#include "ui/look.h"

namespace sv::questions {

namespace {
constexpr int kStepMs = 90;
}

FrmCharge::FrmCharge(ui::App& app, state::Module& m)
    : ui::Window(app, kName),
      ImgFond(picture("ImgFond", {0, 0, 4290, 1310})),
      Lbl(label("Lbl", {300, 180, 3690, 330})),
      Picture1(picture("Picture1", {300, 630, 3675, 330})),
      Sha(label("Sha", {0, 0, 195, 315}, -1, &Picture1)),
      TimDeb(timer("TimDeb")),
      TimFin(timer("TimFin")),
      m_(m) {
    setBorderless(true);
    setCaption("Chargement");
    move(0, 0, 4290, 1310);
    setBackColor(ui::look::kPaper);
    ImgFond.setStretch(true);
    ImgFond.setBorder(true);
    Lbl.setCaption("Chargement  en cours...");
    Lbl.setFont({"MS Sans Serif", 11, true, false, false});
    Lbl.setForeColor(ui::rgb(24, 38, 84));
    Lbl.setAlignment(ui::Align::Center);
    Picture1.setBackColor(ui::kWhite);
    Picture1.setBorder(true);
    Picture1.setStretch(true);
    Sha.setBackColor(ui::rgb(40, 90, 190));
    for (const auto& c : state::kCategories) {
        for (int n = 1; n <= 3; ++n) {
            ui::Timer& t = timer("Tim" + std::string(c.code) + std::to_string(n));
            steps_[static_cast<std::size_t>((n - 1) * 6 + c.index - 1)] = &t;
            const int category = c.index;
            t.onTimer = [this, n, category] { Step_Timer(n, category); };
        }
    }
    TimDeb.onTimer = [this] { TimDeb_Timer(); };
    TimFin.onTimer = [this] { TimFin_Timer(); };
    fields().bind("Pas", Pas);
}

void FrmCharge::Form_Load() {
    setHeight(1310);
    move((app().screenWidth() - width()) / 2, (app().screenHeight() - height()) / 2);
    show();
    Pas = 570;
    TimDeb.setInterval(kStepMs);
}

void FrmCharge::TimDeb_Timer() {
    app().setPointer(ui::Pointer::Hourglass);
    if (m_.Quest >= 1 && m_.Quest <= 3) step(m_.Quest, 1).setInterval(kStepMs);
    TimDeb.setInterval(0);
}

void FrmCharge::Step_Timer(int series, int category) {
    const state::Category& c = state::kCategories[static_cast<std::size_t>(category - 1)];
    if (series >= 2 && (m_.TypePartie != state::GameType::Quiz || m_.CleCat == c.key)) {
        state::QuestionTable& staging = m_.staging[static_cast<std::size_t>(category - 1)];
        storeCategory(series, category, staging);
        m_.table(category) = staging;
    }
    if (category < 6) {
        step(series, category + 1).setInterval(kStepMs);
    } else {
        TimFin.setInterval(kStepMs);
    }
    step(series, category).setInterval(0);
    Sha.setWidth(Sha.width() + Pas);
}

void FrmCharge::TimFin_Timer() {
    app().setPointer(ui::Pointer::Default);
    app().load(m_.TypePartie != state::GameType::Quiz ? "FrmCSav" : "FrmEntraine");
    TimFin.setInterval(0);
}

}  // namespace sv::questions
