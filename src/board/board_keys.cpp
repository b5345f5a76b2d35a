// The board from the keyboard: the die, a highlight moved along the paths and dropped like a
// token, the question and the commands' shortcuts; and the marks on the squares a roll reaches.
#include <algorithm>

#include "board/board_common.h"
#include "board/board_model.h"
#include "board/board_paths.h"
#include "board/frm_csav.h"
#include "ui/app.h"

namespace sv::board {

namespace {

bool usable(const ui::Control& c) { return c.effectivelyVisible() && c.effectivelyEnabled(); }

// The highlight's picture for a zone's shape: wide, tall or about square.
const char* cursorPicture(const Zone& z) {
    if (z.width * 10 > z.height * 14) return "CURSEURL";
    if (z.height * 10 > z.width * 14) return "CURSEURH";
    return "CURSEUR";
}

}  // namespace

int FrmCSav::freeSide() const {
    if (Cam1.enabled() && Cam1.visible()) return 1;
    if (Cam2.enabled() && Cam2.visible()) return 2;
    return 0;
}

void FrmCSav::showReach(int side) {
    hideReach();
    const int from = number((side == 1 ? LblCas1 : LblCas2).caption());
    reach_ = reachable(from, number(LblDE.caption()));
    for (std::size_t k = 0; k < reach_.size() && k < static_cast<std::size_t>(kMarks); ++k) {
        const ui::Label& zone = LB(reach_[k]);
        ui::Picture& mark = ImgCible(static_cast<int>(k) + 1);
        mark.move(zone.left() + (zone.width() - mark.width()) / 2, zone.top() + (zone.height() - mark.height()) / 2);
        mark.setVisible(true);
    }
}

void FrmCSav::hideReach() {
    for (int k = 1; k <= kMarks; ++k) ImgCible(k).setVisible(false);
    reach_.clear();
    placeCursor(-1);
}

void FrmCSav::placeCursor(int square) {
    cursor_ = square;
    if (square < 0 || square >= kSquares) {
        ImgCurseur->setVisible(false);
        return;
    }
    const Zone& z = kZones[static_cast<std::size_t>(square)];
    constexpr int kMargin = 45;
    ImgCurseur->loadResource(cursorPicture(z));
    ImgCurseur->setBounds(z.left - kMargin, z.top - kMargin, z.width + 2 * kMargin, z.height + 2 * kMargin);
    ImgCurseur->setVisible(true);
}

void FrmCSav::keyboardMove(const std::string& key) {
    const int side = freeSide();
    if (side == 0) return;
    const int start = cursor_ >= 0 ? cursor_ : number((side == 1 ? LblCas1 : LblCas2).caption());
    int next = start;
    if (key == "tab" || key == "shift+tab") {
        // Tab goes from one marked square to the next.
        if (reach_.empty()) return;
        const auto at = std::find(reach_.begin(), reach_.end(), cursor_);
        const auto n = static_cast<std::ptrdiff_t>(reach_.size());
        std::ptrdiff_t i = at == reach_.end() ? (key == "tab" ? 0 : n - 1) : at - reach_.begin() + (key == "tab" ? 1 : -1);
        next = reach_[static_cast<std::size_t>((i + n) % n)];
    } else {
        const double dx = key == "left" ? -1 : key == "right" ? 1 : 0;
        const double dy = key == "up" ? -1 : key == "down" ? 1 : 0;
        next = neighbourToward(start, dx, dy);
    }
    placeCursor(next);
}

bool FrmCSav::Form_KeyDown(const std::string& key) {
    if (key == "space" || key == "enter") {
        if (usable(LblLance)) {
            LblLance_Click();
            return true;
        }
        if (key == "space") return false;
        // Enter drops the token on the highlighted square as the mouse would.
        if (cursor_ >= 0 && freeSide() != 0) {
            ui::Picture& token = freeSide() == 1 ? Cam1 : Cam2;
            ui::Label& zone = LB(cursor_);
            if (zone.onDragDrop) zone.onDragDrop(token, zone.width() / 2.0, zone.height() / 2.0);
            return true;
        }
        if (usable(LblQuest)) {
            LblQuest_Click();
            return true;
        }
        return false;
    }
    if (key == "q" || key == "Q") {
        if (usable(LblQuest)) LblQuest_Click();
        return true;
    }
    if (key == "left" || key == "right" || key == "up" || key == "down" || key == "tab" || key == "shift+tab") {
        keyboardMove(key);
        return true;
    }
    if (key == "escape" && cursor_ >= 0) {
        placeCursor(-1);
        return true;
    }
    struct Shortcut {
        const char* key;
        ui::Control* control;
    };
    const Shortcut shortcuts[] = {{"ctrl+n", &LblNew}, {"ctrl+o", &LblOpen}, {"ctrl+s", &LblEnr},
                                  {"ctrl+q", &LblQuit}, {"f1", &ImgAide1},    {"ctrl+m", &LblMeilleurs}};
    for (const Shortcut& s : shortcuts) {
        if (key != s.key) continue;
        if (usable(*s.control) && s.control->onClick) s.control->onClick();
        return true;
    }
    return false;
}

}  // namespace sv::board
