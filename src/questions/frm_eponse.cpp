#include "questions/frm_eponse.h"

#include "screens/frm_entraine.h"
#include "ui/app.h"
#include "ui/look.h"

namespace sv::questions {

FrmEponse::FrmEponse(ui::App& app, state::Module& m)
    : ui::Window(app, kName),
      ImgFond(picture("ImgFond", {-30, -30, 6300, 3900})),
      LblRep(label("LblRep", {450, 900, 5340, 1020})),
      CmdOui(button("CmdOui", {1620, 2820, 1260, 420}, "Oui")),
      CmdNon(button("CmdNon", {3360, 2820, 1260, 420}, "Non")),
      TimDeb(timer("TimDeb")),
      m_(m) {
    setBorderless(true);
    setCaption("Réponse");
    const char* texts[2] = {"La bonne réponse est:", "Avez-vous répondu correctement à la question ?"};
    const ui::Rect rects[2] = {{450, 450, 5340, 330}, {450, 2160, 5340, 330}};
    for (int k = 0; k < 2; ++k) {
        ui::Label& l = label("Lbl", rects[k], k);
        l.setCaption(texts[k]);
        l.setFont({"MS Sans Serif", 10, k == 1, false, false});
        l.setForeColor(ui::look::kInk);
        l.setAlignment(ui::Align::Center);
        Lbl.put(k, l);
    }
    LblRep.setFont({"MS Sans Serif", 12, true, false, false});
    LblRep.setForeColor(ui::look::kAnswer);
    LblRep.setAlignment(ui::Align::Center);
    CmdOui.onClick = [this] { Verdict_Click(true); };
    CmdNon.onClick = [this] { Verdict_Click(false); };
    TimDeb.onTimer = [this] {
        TimDeb.setInterval(0);
        show();
    };
    moveWithMouse(ImgFond);
}

void FrmEponse::Form_Load() {
    ImgFond.move(-30, -30);
    ImgFond.setStretch(false);
    try {
        ImgFond.loadResource("FENETRE");
    } catch (const RuntimeError& e) {
        // Without its background the verdict can still be given.
        app().platform().log("savanto.pictures", "FENETRE: " + e.description());
    }
    setWidth(ImgFond.width() - 60);
    setHeight(ImgFond.height() - 60);
    if (ui::Window* training = app().find(screens::FrmEntraine::kName)) {
        move(training->left() + (training->width() - width()) / 2,
             training->top() + (training->height() - height()) / 2 + 960);
    }
    LblRep.setCaption(m_.RepEntraine);
    TimDeb.setInterval(100);
}

void FrmEponse::Verdict_Click(bool right) {
    if (auto* training = app().find<screens::FrmEntraine>()) training->countAnswer(right);
    app().unload(*this);
}

void FrmEponse::Form_Unload(int& cancel) {
    (void)cancel;
    if (auto* training = app().find<screens::FrmEntraine>()) training->ShowSolution(10);
}

}  // namespace sv::questions
