#include "records/frm_detail_scor.h"

#include "records/bestscores.h"
#include "support/report.h"
#include "ui/app.h"
#include "ui/files.h"
#include "ui/look.h"

namespace sv::records {

namespace {
constexpr int kMaxLines = 1000;
constexpr int kListed = 30;
constexpr int kKept = 60;
}  // namespace

FrmDetailScor::FrmDetailScor(ui::App& app, state::Module& m)
    : ui::Window(app, kName),
      ImgFond(picture("ImgFond", {0, 0, 7500, 3900})),
      Lbl(label("Lbl", {4080, 390, 900, 255})),
      LST(listBox("LST", {240, 660, 4860, 2955})),
      Fra(frame("Fra", {5400, 330, 1860, 1500}, "Questionnaires")),
      Opt1(option("Opt1", {180, 300, 1560, 285}, "Plutôt facile", -1, &Fra)),
      Opt2(option("Opt2", {180, 300, 1560, 285}, "Moyen", -1, &Fra)),
      Opt3(option("Opt3", {180, 660, 1560, 285}, "Plutôt dur", -1, &Fra)),
      Opt4(option("Opt4", {180, 1020, 1560, 285}, "Tous", -1, &Fra)),
      CmdEffacer(button("CmdEffacer", {5400, 2460, 1860, 420}, "Effacer les scores")),
      CmdFerme(button("CmdFerme", {5400, 3090, 1860, 420}, "Fermer")),
      Foc(button("Foc", {-3000, -3000, 300, 300}, "")),
      TimDeb(timer("TimDeb")),
      m_(m) {
    setCaption("Les 30 meilleurs scores");
    setBackColor(ui::look::kPaper);
    // White decoration: a band behind the column title and rules above and below the list.
    const ui::Rect pics[3] = {{240, 360, 4860, 300}, {240, 3630, 4860, 30}, {5400, 1890, 1860, 30}};
    for (int k = 0; k < 3; ++k) {
        ui::Picture& p = picture("Pic", pics[k], k);
        p.setStretch(true);
        p.setBackColor(ui::kWhite);
        Pic.put(k, p);
    }
    for (int k = 0; k < 3; ++k) Pic(k).zOrderTop();
    Lbl.zOrderTop();
    LST.zOrderTop();
    Lbl.setCaption("Score");
    Lbl.setFont({"Courier New", 9, true, false, false});
    LST.setFont({"Courier New", 9, false, false, false});
    Fra.setBorder(true);
    Fra.setFont({"MS Sans Serif", 9, true, false, false});
    Fra.setBackColor(ui::look::kPaper);
    Opt1.setVisible(false);
    Opt4.setValue(true);
    for (ui::OptionButton* o : {&Opt1, &Opt2, &Opt3, &Opt4}) {
        o->setEnabled(false);
        o->setFont({"MS Sans Serif", 9, false, false, false});
    }
    Opt1.onClick = [this] { View_Click(1); };
    Opt2.onClick = [this] { View_Click(2); };
    Opt3.onClick = [this] { View_Click(3); };
    Opt4.onClick = [this] { View_Click(0); };
    CmdEffacer.onClick = [this] { CmdEffacer_Click(); };
    CmdFerme.onClick = [this] { this->app().unload(*this); };
    Foc.onClick = [this] { this->app().unload(*this); };
    TimDeb.onTimer = [this] { TimDeb_Timer(); };
    // Pressing on the background or on the list and moving the mouse moves the window.
    moveWithMouse(ImgFond);
    moveWithMouse(LST);
    fields().bind("NbLignes", NbLignes);
}

void FrmDetailScor::Form_Load() {
    try {
        NbLignes = 0;
        ImgFond.loadFile(m_.CheminApp + "WQuest.gif");
        ImgFond.move(0, 0);
        setWidth(ImgFond.width() + kBorderWidth);
        setHeight(ImgFond.height() + kBorderHeight);
        move((app().screenWidth() - width()) / 2, (app().screenHeight() - height()) / 2);
        if (ui::Window* board = app().find("FrmCSav")) board->setEnabled(false);
        TimDeb.setInterval(200);
    } catch (const RuntimeError& e) {
        if (ui::Window* board = app().find("FrmCSav")) board->setEnabled(false);
        support::reportError(app(), m_, support::lieu::kScoresLoad, e);
    }
}

void FrmDetailScor::listRanked(const std::vector<std::string>& records) {
    const std::vector<std::string> ranked = rankRecords(records);
    for (int r = 1; r <= kListed && r <= static_cast<int>(ranked.size()); ++r) {
        LST.addItem(displayLine(r, ranked[static_cast<std::size_t>(r - 1)]));
    }
}

void FrmDetailScor::TimDeb_Timer() {
    app().setPointer(ui::Pointer::Hourglass);
    const std::string path = m_.CheminDonnees + "bestscor.ret";
    try {
        if (files::missing(path)) {
            app().setPointer(ui::Pointer::Default);
            m_.RepMsg = app().msgBox("Aucun score n'est actuellement enregistré.", ui::MsgButtons::Ok,
                                     ui::MsgIcon::Information, "Savanto");
            CmdEffacer.setEnabled(false);
        } else {
            std::vector<std::string> lines = files::splitLines(files::readText(path));
            if (lines.size() > static_cast<std::size_t>(kMaxLines)) lines.resize(kMaxLines);
            Lignes = lines;
            NbLignes = static_cast<int>(Lignes.size());
            listRanked(Lignes);
            if (NbLignes > kKept) {
                // The table keeps its 60 best records, each line as it was. A failed rewrite
                // is reported and the window goes on with what it read.
                try {
                    std::vector<std::string> best = rankRecords(Lignes);
                    if (best.size() > static_cast<std::size_t>(kKept)) best.resize(kKept);
                    std::string text;
                    for (const std::string& r : best) text += r + "\r\n";
                    files::writeTextAtomic(path, text);
                    app().platform().fileWritten(path);
                } catch (const RuntimeError& e) {
                    support::reportError(app(), m_, support::lieu::kScoresStart, e);
                }
            }
            if (LST.listCount() > 0) {
                for (ui::OptionButton* o : {&Opt1, &Opt2, &Opt3, &Opt4}) o->setEnabled(true);
                CmdEffacer.setEnabled(true);
            }
        }
    } catch (const RuntimeError& e) {
        support::reportError(app(), m_, support::lieu::kScoresStart, e);
    }
    app().setPointer(ui::Pointer::Default);
    show();
    TimDeb.setInterval(0);
}

void FrmDetailScor::View_Click(int set) {
    app().setPointer(ui::Pointer::Hourglass);
    LST.clear();
    try {
        listRanked(recordsOfSet(Lignes, set));
    } catch (const RuntimeError& e) {
        const int codes[4] = {118, 115, 116, 117};
        support::reportError(app(), m_, codes[set], e);
    }
    app().setPointer(ui::Pointer::Default);
}

void FrmDetailScor::CmdEffacer_Click() {
    m_.RepMsg = app().msgBox("Voulez-vous vraiment effacer le tableau des scores ?            ", ui::MsgButtons::YesNo,
                             ui::MsgIcon::Question, "Savanto", 2);
    if (m_.RepMsg == ui::kMsgNo) return;
    try {
        const std::string path = m_.CheminDonnees + "bestscor.ret";
        if (files::missing(path)) {
            LST.clear();
            throw RuntimeError(err::kFileNotFound);
        }
        // The list empties only once the file is gone: a failed delete leaves it all shown.
        files::remove(path);
        LST.clear();
        for (ui::OptionButton* o : {&Opt1, &Opt2, &Opt3, &Opt4}) o->setEnabled(false);
        CmdEffacer.setEnabled(false);
        Foc.setFocus();
    } catch (const RuntimeError& e) {
        support::reportError(app(), m_, support::lieu::kScoresClear, e);
    }
}

void FrmDetailScor::Form_Unload(int& cancel) {
    (void)cancel;
    app().setPointer(ui::Pointer::Default);
    if (ui::Window* board = app().find("FrmCSav")) board->setEnabled(true);
}

}  // namespace sv::records
