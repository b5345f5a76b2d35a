// Saved games (".par"): 13 lines for a one-player game, 24 for a two-side game, then an empty
// line. Windows-1252 and CR LF on disk, like the program's other files; this codec works on
// the text in memory and never touches a window.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "ui/types.h"

namespace sv::records {

struct SavedSide {
    std::string name;
    int questions = 0, right = 0, wrong = 0, score = 0;
    int top = 0, left = 0;        // the token's position on the board, twips
    int square = 0;               // 0..72
    std::array<int, 6> wedges{};  // category order, 1 = held
    bool operator==(const SavedSide&) const = default;
};

struct SavedGame {
    int type = 1;      // 1 one player, 2 two sides
    int finished = 0;  // 1 once the game was won
    int turn = 0;      // two sides: the side to roll, 1 or 2; 0 for one player
    int turns = 0;     // turn counter
    std::array<SavedSide, 2> sides;  // the second is unused in a one-player game
    bool operator==(const SavedGame&) const = default;
};

// Why a text is not a saved game: the line (from 1), the run-time error it amounts to (13 for
// a value of the wrong kind, 62 for a file that ends early) and what was expected, in French.
struct SavedGameError {
    int line = 0;
    int number = 0;
    std::string detail;
    // "Type incompatible (ligne 5 : ...)": the whole story for the problem report.
    std::string describe() const;
};

// The file's text, empty last line included. A line break inside a name is written as a blank,
// so the layout always holds.
std::string encodeSavedGame(const SavedGame& game);

// Reads a whole file's text; every value is checked before anything is returned. Names are
// whole lines (commas and quotes included). Lines after the layout are ignored.
std::variant<SavedGame, SavedGameError> decodeSavedGame(std::string_view text);

// The date and the time a saved game shows, in French short form: "15/01/2026", "10:30:00".
std::string frenchDate(const ui::DateTime& t);
std::string frenchTime(const ui::DateTime& t);

}  // namespace sv::records
