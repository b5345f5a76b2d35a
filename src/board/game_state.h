// The game as numbers: the turns, and each side's counters and wedges. The board window shows
// them in its captions and pictures; the rules of a verdict live here, away from any window.
#pragma once

#include <array>

#include "state/module.h"

namespace sv::board {

// Where a token rests: its square and its place on the board in twips. A token dropped off the
// squares goes back there; a saved game keeps it.
struct TokenPlace {
    int square = 0, left = 0, top = 0;
};

// One side's numbers.
struct SideScore {
    int asked = 0, right = 0, wrong = 0;
    int score = 0;                // the percentage shown (a saved game brings its own)
    int recap = 0;                // questions counted for its recap list
    std::array<int, 7> wedges{};  // 1..6, category order: 1 when held
    std::array<int, 7> slotOrder{};  // 1..6: the category shown in each slot, in the order won; 0 empty
    TokenPlace place;
    int held() const;
    bool holdsAllSix() const { return held() == 6; }
};

// What a verdict did.
struct Verdict {
    int wedge = 0;     // the category of the wedge won on a headquarters; 0 for none
    bool won = false;  // the final question answered right with all six wedges: the game ends
    int next = 0;      // the side to play next; 0 in a one-player game
};

class GameState {
public:
    int turns = 0;
    std::array<SideScore, 3> sides{};  // 1 and 2
    int die = 0;      // the die's last value; 0 before the first roll
    int landing = 0;  // the square the last move ended on: a roll from a roll-again square is no new turn
    int moving = 0;   // the side whose token the die frees: 1 or 2; 0 before the first roll

    SideScore& side(int s) { return sides[static_cast<std::size_t>(s == 2 ? 2 : 1)]; }
    const SideScore& side(int s) const { return sides[static_cast<std::size_t>(s == 2 ? 2 : 1)]; }

    // Side s answered a question asked on `where` (on a headquarters, of category 1..6):
    // the question counts, right or wrong; a right answer on a headquarters wins its wedge
    // once, on the centre with all six wedges the game. In a two-side game a wrong answer
    // gives the turn to the other side.
    Verdict answer(int s, bool right, bool twoSides, state::SquareType where, int category);

    // The percentage of right answers among the questions asked (0 when none was asked).
    static int percent(int right, int asked);
};

}  // namespace sv::board
