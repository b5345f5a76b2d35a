#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "records/saved_game.h"

namespace sv::records {

namespace {

const std::string kS1 = "===================================================1";
const std::string kS2 = "===================================================2";

SavedGame twoSides() {
    SavedGame g;
    g.type = 2;
    g.finished = 0;
    g.turn = 2;
    g.turns = 7;
    g.sides[0] = {"Bob, dit \"le sage\"", 4, 3, 1, 75, 3375, 2010, 47, {1, 0, 0, 0, 1, 0}};
    g.sides[1] = {"Chloé-Amélie", 3, 1, 2, 33, 3375, 2490, 47, {0, 0, 0, 0, 0, 1}};
    return g;
}

const std::string kTwoSidesText = "2\r\n0\r\n2\r\nBob, dit \"le sage\"\r\nChloé-Amélie\r\n7\r\n4\r\n3\r\n1\r\n75\r\n3\r\n1\r\n2\r\n33\r\n" +
                                  kS1 + "\r\n3375\r\n2010\r\n3375\r\n2490\r\n" + kS2 +
                                  "\r\n47\r\n47\r\nN100010N\r\nN000001N\r\n\r\n";

SavedGameError errorOf(const std::string& text) {
    const auto r = decodeSavedGame(text);
    if (const auto* e = std::get_if<SavedGameError>(&r)) return *e;
    return {};
}

}  // namespace

TEST(SavedGameFile, BothLayoutsAreWrittenLineByLineAndReadBackUnchanged) {
    EXPECT_EQ(encodeSavedGame(twoSides()), kTwoSidesText);
    EXPECT_EQ(std::get<SavedGame>(decodeSavedGame(kTwoSidesText)), twoSides());
    const std::string oneText = "1\r\n1\r\n Zoé, l'\"as\" \r\n12\r\n9\r\n8\r\n1\r\n89\r\n" + kS1 +
                                "\r\n4260\r\n3795\r\n0\r\nN111111N\r\n\r\n";
    const auto one = decodeSavedGame(oneText);
    ASSERT_TRUE(std::holds_alternative<SavedGame>(one));
    EXPECT_EQ(encodeSavedGame(std::get<SavedGame>(one)), oneText);
    // A line break in a name cannot shift the lines after it.
    SavedGame broken = twoSides();
    broken.sides[0].name = "Zo\r\né";
    EXPECT_EQ(std::get<SavedGame>(decodeSavedGame(encodeSavedGame(broken))).sides[0].name, "Zo  é");
    // Files edited by hand: line feeds alone, blanks around numbers, no empty last line.
    const auto loose = decodeSavedGame("1\n0\nZoé\n 3 \n2\n1\n1\n50\n" + kS1 + "\n4260\n3795\n12\nN000000N");
    ASSERT_TRUE(std::holds_alternative<SavedGame>(loose));
    EXPECT_EQ(std::get<SavedGame>(loose).turns, 3);
}

TEST(SavedGameFile, EveryBadValueIsRejectedWithItsLineAndItsErrorNumber) {
    auto replaced = [](int line, const std::string& value) {
        std::string t = kTwoSidesText;
        std::size_t at = 0;
        for (int i = 1; i < line; ++i) at = t.find("\r\n", at) + 2;
        return t.replace(at, t.find("\r\n", at) - at, value);
    };
    struct Case {
        std::string text;
        int line, number;
    };
    const Case cases[] = {
        {"", 1, 62},                                  // empty file
        {"2\r\n0\r\n1\r\nBob\r\n", 5, 62},            // ends early
        {kTwoSidesText.substr(0, kTwoSidesText.find("N100010N") + 8), 24, 62},  // cut after a wedge line
        {replaced(1, "3"), 1, 13},                    // neither layout
        {replaced(1, "deux"), 1, 13},
        {replaced(2, "2"), 2, 13},                    // finished is 0 or 1
        {replaced(3, "0"), 3, 13},                    // the side to play is 1 or 2
        {replaced(6, "sept"), 6, 13},                 // turn counter
        {replaced(9, "-1"), 9, 13},                   // a counter below zero
        {replaced(14, "3.5"), 14, 13},
        {replaced(17, "2O10"), 17, 13},               // a position with a letter O
        {replaced(21, "73"), 21, 13},                 // no square 73
        {replaced(23, "N10001N"), 23, 13},            // five flags
        {replaced(24, "N000002N"), 24, 13},
        {replaced(24, "X000001N"), 24, 13},
    };
    for (const Case& c : cases) {
        const SavedGameError e = errorOf(c.text);
        EXPECT_EQ(e.line, c.line) << c.text;
        EXPECT_EQ(e.number, c.number) << c.text;
    }
    const SavedGameError e = errorOf(replaced(21, "73"));
    EXPECT_EQ(e.describe(), "Type incompatible (ligne 21 : un numéro de case de 0 à 72 attendu, « 73 » lu)");
}

}  // namespace sv::records
