#include "records/frm_recap.h"

#include <algorithm>

#include "board/board_common.h"
#include "board/frm_csav.h"
#include "support/report.h"
#include "ui/app.h"
#include "ui/look.h"
#include "ui/text.h"

namespace sv::records {

namespace {
constexpr ui::Color kRight = ui::rgb(20, 120, 50);
constexpr ui::Color kWrong = ui::rgb(170, 30, 30);

// A list line: the entry's number, blanks up to the fourth character, the question.
std::string listLine(int n, const std::string& question) {
    return std::to_string(n) + (n < 10 ? "  " : " ") + question;
}
}  // namespace

FrmRecap::FrmRecap(ui::App& app, state::Module& m)
    : ui::Window(app, kName),
      ImgFond(picture("ImgFond", {0, 0, 7500, 3900})),
      Lbl(label("Lbl", {330, 315, 6840, 255})),
      LST(listBox("LST", {240, 630, 7020, 1440})),
      LblQ(label("LblQ", {345, 2205, 6810, 480})),
      LblR(label("LblR", {1650, 2745, 4140, 420})),
      LblYN(label("LblYN", {6630, 2745, 540, 255})),
      CmdJ1(button("CmdJ1", {240, 3285, 1860, 405}, "Joueur 1")),
      CmdJ2(button("CmdJ2", {2250, 3285, 1860, 405}, "Joueur 2")),
      CmdFerme(button("CmdFerme", {5400, 3285, 1860, 405}, "Fermer")),
      Foc(button("Foc", {-3000, -3000, 300, 300}, "")),
      TimDeb(timer("TimDeb")),
      m_(m) {
    setOwner("FrmCSav");  // over the board, without a taskbar entry of its own
    setCaption("Récapitulatif des questions posées");
    setBackColor(ui::look::kPaper);
    // White decoration: a band behind the heading, the details pane under the list, a rule
    // above the buttons.
    const ui::Rect pics[3] = {{240, 300, 7020, 300}, {240, 2160, 7020, 1020}, {240, 3225, 7020, 15}};
    for (int k = 0; k < 3; ++k) {
        ui::Picture& p = picture("Pic", pics[k], k);
        p.setStretch(true);
        p.setBackColor(ui::kWhite);
        Pic.put(k, p);
    }
    const char* titles[2] = {"Bonne réponse :", "Trouvée :"};
    const ui::Rect titleRects[2] = {{345, 2760, 1260, 255}, {5850, 2760, 750, 255}};
    for (int k = 0; k < 2; ++k) {
        ui::Label& t = label("LblTitre", titleRects[k], k + 1);
        t.setCaption(titles[k]);
        t.setFont({"MS Sans Serif", 8, false, false, false});
        t.setForeColor(ui::look::kInk);
        LblTitre.put(k + 1, t);
    }
    for (int k = 0; k < 3; ++k) Pic(k).zOrderTop();
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Lbl, &LST, &LblQ, &LblR, &LblYN, &LblTitre(1), &LblTitre(2)}) {
        c->zOrderTop();
    }
    Lbl.setCaption("Pour en savoir plus sélectionnez une question dans la liste");
    Lbl.setFont({"MS Sans Serif", 8, true, false, false});
    Lbl.setForeColor(ui::look::kInk);
    LST.setFont({"MS Sans Serif", 8, false, false, false});
    // The whole question, on as many lines as it takes.
    LblQ.setFont({"MS Sans Serif", 9, true, false, false});
    LblQ.setForeColor(ui::look::kInk);
    LblR.setFont({"MS Sans Serif", 9, true, false, false});
    LblR.setForeColor(ui::look::kAnswer);
    LblYN.setFont({"MS Sans Serif", 9, true, false, false});

    CmdJ1.onClick = [this] { CmdJ_Click(1); };
    CmdJ2.onClick = [this] { CmdJ_Click(2); };
    CmdFerme.onClick = [this] { this->app().unload(*this); };
    Foc.onClick = [this] { this->app().unload(*this); };
    LST.onClick = [this] { LST_Click(); };
    TimDeb.onTimer = [this] { TimDeb_Timer(); };
    moveWithMouse(ImgFond);
    moveWithMouse(LST);
}

const state::RecapList& FrmRecap::listOf(int side) const {
    return side == 1 ? m_.RecapJ1 : side == 2 ? m_.RecapJ2 : m_.Recap;
}

int FrmRecap::countOf(int side) const {
    const auto* board = app().find<board::FrmCSav>();
    if (board == nullptr) return 0;
    return std::clamp(board->game.side(side).recap, 0, state::kRecapEntries);
}

void FrmRecap::Form_Load() {
    if (ui::Window* board = app().find("FrmCSav")) board->setEnabled(false);
    try {
        ImgFond.loadFile(m_.CheminApp + "WQuest.gif");
        ImgFond.move(0, 0);
        setWidth(ImgFond.width() + kBorderWidth);
        setHeight(ImgFond.height() + kBorderHeight);
        move((app().screenWidth() - width()) / 2, (app().screenHeight() - height()) / 2);
        if (m_.TypePartie == state::GameType::TwoSides) {
            CmdJ1.setCaption(m_.NomJ2);
            CmdJ2.setCaption(m_.NomJ3);
            showSide(1);
        } else {
            CmdJ1.setVisible(false);
            CmdJ2.setVisible(false);
            showSide(0);
        }
        TimDeb.setInterval(200);
    } catch (const RuntimeError& e) {
        // A missing file: the report closes this window and gives the board back. Anything
        // else: the window still shows, so that it can be closed and the board used again.
        const bool missing = e.number() == err::kFileNotFound || e.number() == err::kPathNotFound;
        if (!missing) TimDeb.setInterval(200);
        support::reportError(app(), m_, missing ? support::lieu::kRecapFile : support::lieu::kRecap, e);
    }
}

void FrmRecap::TimDeb_Timer() {
    TimDeb.setInterval(0);
    show();
}

void FrmRecap::showEntry(const state::RecapList& list, int n) {
    const auto k = static_cast<std::size_t>(n);
    LblR.setCaption(list.Rep[k]);
    const bool right = list.Juste[k] == 1;
    LblYN.setCaption(right ? "Oui" : "Non");
    LblYN.setForeColor(right ? kRight : kWrong);
}

void FrmRecap::showSide(int side) {
    shown_ = side;
    LST.clear();
    LblQ.setCaption("");
    LblR.setCaption("");
    LblYN.setCaption("");
    if (side != 0) {
        CmdJ1.setEnabled(side != 1);
        CmdJ2.setEnabled(side != 2);
    }
    const state::RecapList& list = listOf(side);
    const int count = countOf(side);
    for (int k = 1; k <= 2; ++k) LblTitre(k).setVisible(count > 0);
    if (count == 0) {
        // No details for a question never asked; a side of a two-side game says so.
        if (side != 0) {
            LST.addItem("");
            LST.addItem("");
            LST.addItem("Pour l'instant, aucune question n'a été posée à " + (side == 1 ? m_.NomJ2 : m_.NomJ3));
        }
        return;
    }
    LblQ.setCaption(list.Quest[1]);
    showEntry(list, 1);
    for (int n = 1; n <= count; ++n) {
        const std::string& q = list.Quest[static_cast<std::size_t>(n)];
        if (!q.empty()) LST.addItem(listLine(n, q));
    }
}

void FrmRecap::CmdJ_Click(int side) {
    showSide(side);
    // The button just used is disabled: Enter now closes the window.
    Foc.setFocus();
}

void FrmRecap::LST_Click() {
    const int i = LST.listIndex();
    // The empty lines and the message of a side without questions are not entries.
    if (i < 0 || countOf(shown_) == 0) return;
    LblQ.setCaption(text::mid(LST.item(i), 3));
    showEntry(listOf(shown_), i + 1);
}

void FrmRecap::Form_Unload(int& cancel) {
    (void)cancel;
    if (ui::Window* board = app().find("FrmCSav")) board->setEnabled(true);
}

}  // namespace sv::records
