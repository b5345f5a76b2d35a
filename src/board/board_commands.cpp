// The board: its commands outside the turn, closing, the options file, the sound toggle and the links.
#include "board/frm_csav.h"

#include "records/options.h"
#include "support/mail.h"
#include "ui/app.h"
#include "ui/files.h"

namespace sv::board {

void FrmCSav::LblMeilleurs_Click() { app().load("FrmDetailScor"); }

void FrmCSav::LblNew_Click() {
    NouvellePartie = 1;
    app().unload(*this);
}

void FrmCSav::LblQuit_Click() {
    NouvellePartie = 0;
    app().unload(*this);
}

void FrmCSav::But1_Click() { setWindowState(ui::WindowState::Minimized); }

void FrmCSav::But2_Click() {
    NouvellePartie = 0;
    app().unload(*this);
}

void FrmCSav::Form_Unload(int& cancel) {
    if (PartieModifiee == 1) {
        m_.RepMsg = app().msgBox("Voulez-vous enregistrer la partie avant de quitter ?      ", ui::MsgButtons::YesNoCancel,
                                 ui::MsgIcon::Question, "Savanto");
        // A save that did not happen (dialog cancelled, write failed) keeps the board open:
        // closing must never lose a game the player wanted to keep.
        if (m_.RepMsg == ui::kMsgCancel || (m_.RepMsg == ui::kMsgYes && !Enregistrer())) {
            cancel = 1;
            NouvellePartie = 0;
            LblNew.move(newRest_.left, newRest_.top);
            LblQuit.move(quitRest_.left, quitRest_.top);
            return;
        }
    }
    if (NouvellePartie == 1) app().load("FrmBDema");
    writeOptions();
}

void FrmCSav::writeOptions() {
    const records::Options o{m_.Quest, m_.SonYN, m_.NomJ1, m_.NomJ2, m_.NomJ3, m_.Minut, m_.Duree};
    const std::string path = m_.CheminDonnees + "option.ret";
    try {
        files::writeTextAtomic(path, records::encodeOptions(o));
        app().platform().fileWritten(path);
    } catch (const RuntimeError& e) {
        app().msgBox("Les options n'ont pas pu être enregistrées dans le fichier « option.ret »." + m_.CrLf + m_.CrLf +
                         e.description() + ".",
                     ui::MsgButtons::Ok, ui::MsgIcon::Exclamation, "Savanto");
    }
}

void FrmCSav::TimImgSon_Timer() {
    if (ImgSonOK.visible()) {
        ImgSonOK.setVisible(false);
        ImgSonHS.setVisible(true);
        m_.SonYN = 0;
        m_.RepMsg = app().msgBox("Indications sonores hors service.      ", ui::MsgButtons::Ok, ui::MsgIcon::Information,
                                 "Savanto");
    } else {
        ImgSonOK.setVisible(true);
        ImgSonHS.setVisible(false);
        m_.SonYN = 1;
        m_.RepMsg = app().msgBox("Indications sonores en service.      ", ui::MsgButtons::Ok, ui::MsgIcon::Information,
                                 "Savanto");
    }
    restoreButton(6);
    ImgSonHS.move(ImgSonOK.left(), ImgSonOK.top());
    TimImgSon.setInterval(0);
}

void FrmCSav::TimImgTemps_Timer() {
    restoreButton(7);
    ImgTpsHS.move(ImgTpsOK.left(), ImgTpsOK.top());
    TimImgTemps.setInterval(0);
    app().load("FrmTemps");
    setEnabled(false);
}

void FrmCSav::LblPos_Click() { app().load("FrmRecap"); }

void FrmCSav::ImgAide1_Click() { support::OuvrirDocument(app(), m_, "Reglejeu.htm", "la règle du jeu"); }

void FrmCSav::ImgInt1_Click() {
    m_.RepMsg = app().msgBox("Voulez-vous vous connecter sur le site de présentation du programme?      ",
                             ui::MsgButtons::YesNo, ui::MsgIcon::Question, "Savanto");
    if (m_.RepMsg == ui::kMsgYes) support::OuvrirDocument(app(), m_, "Savanto-site", "le site de présentation du programme");
}

void FrmCSav::ImgMail1_Click() { support::MailProbleme(app(), m_); }

}  // namespace sv::board
