// The board from the keyboard: the die, a highlight moved along the paths and dropped like a
// token, the question and the commands' shortcuts; and the marks on the squares a roll reaches.
#include <algorithm>

#include "board/board_common.h"
#include "board/board_model.h"
#include "board/board_paths.h"
#include "board/frm_csav.h"
#include "state/categories.h"
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
    reach_ = reachable(game.side(side).place.square, game.die);
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
    const int start = cursor_ >= 0 ? cursor_ : game.side(side).place.square;
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
            ui::Picture& token = *side(freeSide()).token;
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
                                  {"ctrl+q", &LblQuit}, {"f1", &ImgAide1},    {"ctrl+m", &LblMeilleurs},
                                  {"ctrl+r", &LblPos}};
    for (const Shortcut& s : shortcuts) {
        if (key != s.key) continue;
        if (usable(*s.control) && s.control->onClick) s.control->onClick();
        return true;
    }
    return false;
}

void FrmCSav::nameControls() {
    auto categoryName = [](int k) { return std::string(state::kCategories[static_cast<std::size_t>(k - 1)].name); };
    for (int n = 0; n < kSquares; ++n) {
        std::string what;
        switch (squareKind(n)) {
            case SquareKind::Centre: what = "Case centrale"; break;
            case SquareKind::RollAgain: what = "Case " + std::to_string(n) + " : relancez le dé"; break;
            case SquareKind::Headquarters:
                what = "Case " + std::to_string(n) + " : quartier général " + categoryName(squareCategory(n));
                break;
            case SquareKind::Category: what = "Case " + std::to_string(n) + " : " + categoryName(squareCategory(n)); break;
        }
        LB(n).setAccessibleName(what);
    }
    for (int s = 1; s <= 2; ++s) {
        const Side& d = side(s);
        const std::string c = s == 1 ? "rouge" : "bleu";
        d.token->setAccessibleName("Camembert " + c);
        for (int k = 1; k <= 6; ++k) {
            d.overlays[static_cast<std::size_t>(k - 1)]->setAccessibleName("Portion " + categoryName(k) + " du camembert " + c);
            (*d.wedgeSlots)(k).setAccessibleName("Camembert " + c + ", portion " + std::to_string(k));
        }
        d.name->setAccessibleName("Joueur " + c);
        d.asked->setAccessibleName("Questions posées au joueur " + c);
        d.right->setAccessibleName("Réponses justes du joueur " + c);
        d.wrong->setAccessibleName("Réponses inexactes du joueur " + c);
        d.score->setAccessibleName("Score du joueur " + c + " en pour cent");
        d.onTurn->setAccessibleName("Au tour du joueur " + c);
        d.waiting->setAccessibleName("Le joueur " + c + " attend son tour");
    }
    for (int v = 1; v <= 6; ++v) ImDe(v).setAccessibleName("Dé : " + std::to_string(v));
    for (int k = 1; k <= kMarks; ++k) ImgCible(k).setAccessibleName("Case atteignable");
    ImgCurseur->setAccessibleName("Case choisie au clavier");
    const std::pair<ui::Control*, const char*> names[] = {
        {&ImgFond, "Plateau de jeu"},       {&ImgSeul, "Partie à un joueur"},  {&ImgSonOK, "Son : activé"},
        {&ImgSonHS, "Son : désactivé"},     {&ImgTpsOK, "Temps limité : activé"}, {&ImgTpsHS, "Temps limité : désactivé"},
        {&ImgAide1, "Aide"},                {&ImgAide2, "Aide"},               {&ImgInt1, "Site internet"},
        {&ImgInt2, "Site internet"},        {&ImgMail1, "Écrire au support"},  {&ImgMail2, "Écrire au support"},
        {&But1, "Réduire"},                 {&But11, "Réduire"},               {&But2, "Fermer"},
        {&But22, "Fermer"},
    };
    for (const auto& [control, name] : names) control->setAccessibleName(name);
    LblInfo.setLive(true);
    LblN.setLive(true);
}

}  // namespace sv::board
