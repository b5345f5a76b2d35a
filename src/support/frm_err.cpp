#include "support/frm_err.h"

#include "support/mail.h"
#include "support/report.h"
#include "ui/app.h"

namespace sv::support {

FrmErr::FrmErr(ui::App& app, state::Module& m)
    : ui::Window(app, kName),
      PicLogo(picture("PicLogo", {0, 0, 6510, 720})),
      LblLogo(label("LblLogo", {240, 150, 3000, 480}, -1, &PicLogo)),
      T1(textBox("T1", {240, 1320, 6030, 1680})),
      CmdCopier(button("CmdCopier", {240, 4320, 6030, 420}, "Copier le message d'erreur dans le presse-papiers")),
      CmdMail(button("CmdMail", {240, 4920, 1800, 420}, "Email")),
      CmdFerme(button("CmdFerme", {4470, 4920, 1800, 420}, "Fermer")),
      Foc(button("Foc", {-3000, -3000, 600, 300}, "")),
      TimDeb(timer("TimDeb")),
      m_(m) {
    setCaption(" ERROR");
    move(0, 0, 6600, 5900);
    setBackColor(ui::rgb(236, 233, 216));
    PicLogo.setStretch(true);
    PicLogo.setBackColor(ui::rgb(250, 238, 205));
    LblLogo.setCaption("Savanto");
    LblLogo.setFont({"Times New Roman", 20, true, true, false});
    LblLogo.setForeColor(ui::rgb(128, 0, 0));
    ui::Label& title = label("Lbl", {240, 870, 4500, 360}, 0);
    title.setCaption("Erreur programme");
    title.setFont({"MS Sans Serif", 12, true, false, false});
    title.setForeColor(ui::rgb(220, 0, 0));
    Lbl.put(0, title);
    const char* lines[] = {"Une erreur s'est produite dans le déroulement",
                           "du  programme.  Si celle-ci se  renouvelle  trop",
                           "fréquemment, et dans le but de faire évoluer le",
                           "logiciel,  merci  d' en informer  les  auteurs."};
    for (int i = 0; i < 4; ++i) {
        ui::Label& l = label("Lbl", {240, 3150 + i * 255, 6030, 255}, 5 + i);
        l.setCaption(lines[i]);
        l.setFont({"MS Sans Serif", 9, false, false, false});
        Lbl.put(5 + i, l);
    }
    T1.setMultiLine(true);
    T1.setReadOnly(true);
    T1.setFont({"Courier New", 9, false, false, false});
    CmdCopier.onClick = [this] { CmdCopier_Click(); };
    CmdMail.onClick = [this] { CmdMail_Click(); };
    CmdFerme.onClick = [this] { CmdFerme_Click(); };
    Foc.onClick = [this] { CmdFerme_Click(); };
    TimDeb.onTimer = [this] { TimDeb_Timer(); };
}

void FrmErr::Form_Load() {
    // Nothing in the report window reports errors of its own.
    try {
        setTopmost(true);
        move((app().screenWidth() - width()) / 2, (app().screenHeight() - height()) / 2);
        TimDeb.setInterval(100);
    } catch (const RuntimeError& e) {
        app().platform().log("savanto.ui", "problem report not placed: " + e.description());
    }
}

void FrmErr::TimDeb_Timer() {
    try {
        m_.NbRapports += 1;
        if (m_.NbRapports == 3) {
            app().msgBox("Arrêt du programme suite à une erreur récursive.", ui::MsgButtons::Ok, ui::MsgIcon::Critical,
                         "Savanto");
            app().end();
            return;
        }
        T1.setText("Erreur n° " + ui::numberText(m_.ErrNum) + m_.CrLf + m_.CrLf + "Interne: " +
                   std::to_string(m_.ErrLieu) + m_.CrLf + m_.CrLf + "Message d'erreur:" + m_.CrLf + m_.ErrTexte);
        TimDeb.setInterval(0);
    } catch (const RuntimeError& e) {
        app().platform().log("savanto.ui", "problem report not filled: " + e.description());
    }
}

void FrmErr::CmdCopier_Click() {
    Foc.setFocus();
    try {
        app().platform().clearClipboard();
        app().platform().setClipboardText(T1.text());
    } catch (const RuntimeError& e) {
        app().platform().log("savanto.ui", "problem report not copied: " + e.description());
    }
}

void FrmErr::CmdMail_Click() {
    Foc.setFocus();
    MailProbleme(app(), m_);
}

void FrmErr::CmdFerme_Click() { app().unload(*this); }

void FrmErr::Form_Unload(int& cancel) {
    (void)cancel;
    ui::App& a = app();
    auto closeAndGiveBoardBack = [&a](const char* window) {
        if (ui::Window* w = a.find(window)) a.unload(*w);
        if (ui::Window* board = a.find("FrmCSav")) board->setEnabled(true);
    };
    switch (m_.ErrLieu) {
        case lieu::kScoresLoad: closeAndGiveBoardBack("FrmDetailScor"); break;
        case lieu::kStartScreen:
        case lieu::kBoardLoad: a.end(); break;
        case lieu::kQuestion: closeAndGiveBoardBack("FrmQuest"); break;
        case lieu::kRecapFile: closeAndGiveBoardBack("FrmRecap"); break;
        default: break;
    }
}

}  // namespace sv::support
