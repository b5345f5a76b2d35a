// The board: the die, the tokens dragged onto squares, the landing texts and the "QUESTION" button.
#include "board/frm_csav.h"

#include "board/board_common.h"
#include "board/board_model.h"
#include "ui/app.h"

namespace sv::board {

// --- die and tokens ----------------------------------------------------------------------------

void FrmCSav::setTokensEnabled(bool side1, bool side2) {
    Cam1.setEnabled(side1);
    Cam2.setEnabled(side2);
    for (auto* p : Par1) p->setEnabled(side1);
    for (auto* p : Par2) p->setEnabled(side2);
}

void FrmCSav::LblLance_Click() {
    // One roll at a time: a click while the die still rolls would count a second turn and
    // change the value the player was told.
    for (const ui::Timer* t : {&Tim1, &Tim2, &Tim3, &Tim4, &Tim5}) {
        if (t->armed()) return;
    }
    // No token moves while the die rolls: the fifth tick frees the one of the side on turn.
    setTokensEnabled(false, false);
    hideReach();
    questionDuringRoll_ = false;
    game.moving = m_.JQuiJ == state::Turn::Side2 ? 2 : 1;
    LblCam.setCaption(std::to_string(game.moving));
    if (!isRollAgain(game.landing)) {
        NbTours += 1;
        LblTOUR.setCaption(std::to_string(NbTours));
    }
    Tim1.setInterval(250);
}

void FrmCSav::Die_Timer(int k) {
    for (int v = 1; v <= 6; ++v) ImDe(v).setVisible(false);
    const int v = static_cast<int>(app().platform().random() * 6 + 1);
    game.die = v;
    LblDE.setCaption(std::to_string(v));
    ImDe(v).setVisible(true);
    ui::Timer* die[5] = {&Tim1, &Tim2, &Tim3, &Tim4, &Tim5};
    if (k == 1) sound("WSon05.wav");
    if (k < 5) {
        die[k]->setInterval(250);
        die[k - 1]->setInterval(0);
        return;
    }
    // The fifth draw is the value.
    LblLance.setEnabled(false);
    std::string name;
    // A question asked while the die rolled ended the move: no token is freed.
    const bool move = !questionDuringRoll_;
    if (m_.TypePartie == state::GameType::OnePlayer) {
        setTokensEnabled(move, false);
        name = m_.NomJ1;
    } else if (m_.TypePartie == state::GameType::TwoSides) {
        const bool side1 = m_.JQuiJ == state::Turn::Side1;
        setTokensEnabled(move && side1, move && !side1);
        name = side1 ? m_.NomJ2 : m_.NomJ3;
    }
    const bool board = m_.TypePartie == state::GameType::OnePlayer || m_.TypePartie == state::GameType::TwoSides;
    if (move && board) showReach(m_.TypePartie == state::GameType::TwoSides && m_.JQuiJ != state::Turn::Side1 ? 2 : 1);
    if (board) {
        LblN.setCaption("");
        LblInfo.setCaption(name + ",  avancez  votre" + m_.CrLf + "camembert de " + std::to_string(game.die) + " cases," +
                           m_.CrLf + "dans  n ' importe" + m_.CrLf + "quelle direction.");
    }
    LblLance.setEnabled(false);
    Tim5.setInterval(0);
}

void FrmCSav::dropOnToken(int side) {
    CaseCible = game.side(side).place.square;
    CmdLB_Click();
}

void FrmCSav::dropOnBackground(ui::Control& source, double x, double y) {
    source.move(ui::clampTwips(x - SourisX), ui::clampTwips(y - SourisY));
    const int s = game.moving == 2 ? 2 : 1;
    const TokenPlace& home = game.side(s).place;
    side(s).token->move(home.left, home.top);
    // A wedge dragged off its token goes back onto it.
    SubPart();
}

void FrmCSav::CmdLB_Click() {
    const int n = CaseCible;
    hideReach();
    ui::Picture* token = game.moving == 1 ? &Cam1 : game.moving == 2 ? &Cam2 : nullptr;
    if (token != nullptr && n >= 0 && n < kSquares) {
        const ui::Label& zone = LB(n);
        token->move(zone.left() + zone.width() / 2 - token->width() / 2, zone.top() + zone.height() / 2 - token->height() / 2);
        rest(game.moving, TokenPlace{n, token->left(), token->top()});
        if (Cam1.left() == Cam2.left() && Cam1.top() == Cam2.top()) {
            Cam1.setLeft(Cam1.left() - 120);
            Cam2.setLeft(Cam1.left() + 240);
        }
    }
    land(n);
    if (n >= 0 && n < kSquares) {
        switch (squareKind(n)) {
            case SquareKind::Centre:
                m_.CleCat = "";
                m_.TypeCase = state::SquareType::Centre;
                LblQuest.setEnabled(true);
                LblLance.setEnabled(false);
                break;
            case SquareKind::RollAgain: LblQuest.setEnabled(false); break;
            case SquareKind::Category:
            case SquareKind::Headquarters:
                m_.CleCat = std::string(state::kCategories[static_cast<std::size_t>(squareCategory(n) - 1)].key);
                m_.TypeCase = squareKind(n) == SquareKind::Category ? state::SquareType::Category : state::SquareType::Headquarters;
                LblQuest.setEnabled(true);
                LblLance.setEnabled(false);
                break;
        }
    }
    SubPart();
    LblEnr.setEnabled(false);
}

bool FrmCSav::sideOnTurnHoldsAllSix() const {
    const auto& flags = *side(m_.TypePartie == state::GameType::TwoSides && m_.JQuiJ == state::Turn::Side2 ? 2 : 1).wedges;
    for (int k = 1; k <= 6; ++k) {
        if (flags[static_cast<std::size_t>(k)] != 1) return false;
    }
    return true;
}

void FrmCSav::dropAt(ui::Control& source, double x, double y) {
    // The zones are stacked in number order: the last one holding the point is on top.
    for (int n = kSquares - 1; n >= 0; --n) {
        const ui::Label& z = LB(n);
        if (x >= z.left() && x < z.left() + z.width() && y >= z.top() && y < z.top() + z.height()) {
            CaseCible = n;
            CmdLB_Click();
            return;
        }
    }
    dropOnBackground(source, x, y);
}

void FrmCSav::rest(int s, const TokenPlace& place) {
    game.side(s).place = place;
    const Side& d = side(s);
    d.top->setCaption(std::to_string(place.top));
    d.left->setCaption(std::to_string(place.left));
    d.square->setCaption(std::to_string(place.square));
}

void FrmCSav::land(int n) {
    // A drop on the square already shown lands again: its text and cue come back (the text
    // may have changed since, for example after a roll).
    const bool again = game.landing == n && LblCas.caption() == std::to_string(n);
    game.landing = n;
    if (again) {
        LblCas_Change();
    } else {
        LblCas.setCaption(std::to_string(n));
    }
}

void FrmCSav::LblCas_Change() {
    const int n = game.landing;
    if (n < 0 || n >= kSquares) return;
    const std::string& crlf = m_.CrLf;
    switch (squareKind(n)) {
        case SquareKind::Category:
            LblN.setCaption("");
            LblInfo.setCaption(lines({"Pour continuer, vous devez", "répondre à une question", "en cliquant sur le",
                                      "bouton", "", "''Question''"},
                                     crlf));
            sound("WSon01.wav");
            break;
        case SquareKind::RollAgain:
            LblN.setCaption("");
            LblInfo.setCaption(lines({"Vous tombez sur une", "case blanche. Lancez", "à nouveau le dé."}, crlf));
            LblLance.setEnabled(true);
            sound("WSon02.wav");
            break;
        case SquareKind::Headquarters:
            LblN.setCaption("");
            LblInfo.setCaption(lines({"Quartier général de catégorie", "Si vous répondez juste à la",
                                      "question, vous obtenez", "le triangle marqueur", "correspondant", "à cette",
                                      "catégorie."},
                                     crlf));
            LblQuest.setEnabled(true);
            LblLance.setEnabled(false);
            sound("WSon03.wav");
            break;
        case SquareKind::Centre: {
            if (NbTours > 1) sound("WSon04.wav");
            const bool final = sideOnTurnHoldsAllSix();
            LblN.setCaption(final ? "Question finale" : "Case centrale");
            if (final && m_.TypePartie == state::GameType::TwoSides) {
                LblInfo.setCaption(lines({"Cliquez sur ''Question''", "puis votre adversaire", "devra sélectionner la",
                                          "catégorie à laquelle", "vous devez", "répondre."},
                                         crlf));
            } else {
                LblInfo.setCaption(lines({"Cliquez sur le bouton", "''Question''", "puis sélectionnez la",
                                          "catégorie à laquelle", "vous voulez", "répondre."},
                                         crlf));
            }
            LblQuest.setEnabled(true);
            LblLance.setEnabled(false);
            break;
        }
    }
}

void FrmCSav::SubPart() {
    for (int s = 1; s <= 2; ++s) {
        for (auto* p : side(s).overlays) p->setVisible(false);
    }
    m_.NbPartJ1 = 0;
    m_.NbPartJ2 = 0;
    for (int k = 1; k <= 6; ++k) {
        for (int s = 1; s <= 2; ++s) {
            const Side& d = side(s);
            if ((*d.wedges)[static_cast<std::size_t>(k)] != 1) continue;
            d.overlays[static_cast<std::size_t>(k - 1)]->move(d.token->left(), d.token->top());
            (s == 1 ? m_.NbPartJ1 : m_.NbPartJ2) += 1;
        }
    }
    for (int s = 1; s <= 2; ++s) {
        for (auto* p : side(s).overlays) p->setVisible(true);
    }
}

// --- commands ----------------------------------------------------------------------------------

void FrmCSav::LblQuest_Click() {
    for (const ui::Timer* t : {&Tim1, &Tim2, &Tim3, &Tim4, &Tim5}) questionDuringRoll_ = questionDuringRoll_ || t->armed();
    modifieeAvantQuestion_ = PartieModifiee;
    tokensAvantQuestion_[0] = Cam1.enabled();
    tokensAvantQuestion_[1] = Cam2.enabled();
    setTokensEnabled(false, false);
    hideReach();
    LblQuest.setEnabled(false);
    setEnabled(false);
    PartieModifiee = 1;
    app().load("FrmQuest");
}

void FrmCSav::QuestionAnnulee() {
    setTokensEnabled(tokensAvantQuestion_[0], tokensAvantQuestion_[1]);
    LblQuest.setEnabled(true);
    PartieModifiee = modifieeAvantQuestion_;
    setEnabled(true);
}

}  // namespace sv::board
