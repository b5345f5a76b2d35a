// The variables every window shares, the six question tables and the game recap: one Module
// object per running program.
#pragma once

#include <array>
#include <string>

#include "state/categories.h"
#include "ui/fields.h"

namespace sv::state {

struct QuestionRecord {
    std::string Question;
    std::string Choix1, Choix2, Choix3, Choix4;  // all empty for an open question
    std::string Reponse;
    int Dispo = 0;  // 1: may still be drawn in this cycle; 0: already asked
};

inline constexpr int kSlots = 50;  // questions occupy slots 1..50; slot 0 is never written
using QuestionTable = std::array<QuestionRecord, kSlots + 1>;

inline constexpr int kRecapEntries = 50;  // entries 1..50

struct RecapList {
    std::array<std::string, kRecapEntries + 1> Quest;
    std::array<std::string, kRecapEntries + 1> Rep;
    std::array<int, kRecapEntries + 1> Juste{};
    void clear() { *this = RecapList{}; }
};

// The kind of game being played.
enum class GameType { None = 0, OnePlayer = 1, TwoSides = 2, Quiz = 3 };
// Whose turn it is in a two-side game (None in a one-player game or before the draw).
enum class Turn { None = 0, Side1 = 1, Side2 = 2 };
inline constexpr int sideNumber(Turn t) { return static_cast<int>(t); }
inline constexpr Turn turnOf(int side) { return side == 1 ? Turn::Side1 : side == 2 ? Turn::Side2 : Turn::None; }
// The kind of square the question is asked on: its code is what scripts read ("CasN"...).
enum class SquareType { None, Category, Headquarters, Centre };
inline constexpr const char* squareTypeCode(SquareType t) {
    return t == SquareType::Category ? "CasN" : t == SquareType::Headquarters ? "CasQ" : t == SquareType::Centre ? "CasC" : "";
}

class Module {
public:
    Module();
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    std::string CrLf;
    std::string TexteMsg;
    int RepMsg = 0;
    std::string CheminApp;   // program folder, trailing separator
    std::string CheminApp2;  // folder of the save and open dialogs
    // Folder of the files the program writes ("option.ret", "bestscor.ret"), trailing
    // separator: the program's folder when it may write there, else the user's data folder.
    std::string CheminDonnees;
    GameType TypePartie = GameType::None;
    std::string NomJ1, NomJ2, NomJ3;
    int SonYN = 0;
    int Minut = 0;
    int Duree = 0;
    int NbPartJ1 = 0, NbPartJ2 = 0;
    int RepJuste = 0;
    int Quest = 0;
    int NbQuestCat = 0;
    SquareType TypeCase = SquareType::None;
    std::string CleCat;
    Turn JQuiJ = Turn::None;
    int ChoixFait = 0;
    std::string RepEntraine;
    std::string ErrTexte;
    double ErrNum = 0;
    int ErrLieu = 0;
    int NbRapports = 0;
    int NumPartie = 0;
    int NbQuestSerie = 0;

    // Live question tables, in category order, and the loader's staging copies.
    QuestionTable TabGeo, TabDiv, TabHis, TabArt, TabSci, TabSpo;
    std::array<QuestionTable, 6> staging;
    // The live table of category 1..6, or of a key; null for an unknown key.
    QuestionTable& table(int categoryIndex);
    QuestionTable* tableByKey(const std::string& key);

    // Recap: one-player game, side 1, side 2.
    RecapList Recap, RecapJ1, RecapJ2;

    const ui::Fields& fields() const { return fields_; }

private:
    void registerFields();
    ui::Fields fields_;
};

}  // namespace sv::state
