#include <gtest/gtest.h>

#include <random>

#include "records/bestscores.h"
#include "ui/text.h"

namespace sv::records {

const ui::DateTime kWhen{2026, 3, 1, 9, 5, 0};

TEST(BestScoreRecord, IsFortyTwoCharactersForANameOfOneToThirteen) {
    EXPECT_EQ(buildRecord("100", kWhen, "Zoé", 3), "100  01/03/26  09:05  Zoé          100   3");
    for (int n = 1; n <= 13; ++n) {
        EXPECT_EQ(text::length(buildRecord("5", kWhen, std::string(static_cast<std::size_t>(n), 'x'), 2)), 42u) << n;
    }
    // A longer name is kept whole and moves what follows; an empty name takes 12 blanks.
    EXPECT_EQ(buildRecord("5", kWhen, "Maximilienne-Jo", 2), "5    01/03/26  09:05  Maximilienne-Jo5     2");
    EXPECT_EQ(text::length(buildRecord("5", kWhen, "", 2)), 41u);
    EXPECT_EQ(buildRecord("50", {2009, 12, 31, 23, 59, 59}, "Bob", 1).substr(5, 15), "31/12/09  23:59");
}

TEST(BestScoreRecord, ScoresAreReadFromTheFirstFourCharacters) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"67   01/03/26", 67}, {"100 ", 100}, {" 5  xx", 5}, {"-12 ", 12}, {"xyz ", {}}, {"    ", {}}, {"6 7 ", {}}};
    for (const auto& [text, number] : cases) EXPECT_EQ(recordNumber(text), number) << text;
    EXPECT_EQ(recordScore("abc"), 0);
}

TEST(Qualification, TiesEnterAndAFullTableNeedsAsMuch) {
    std::vector<std::string> table;
    EXPECT_TRUE(qualifies(0, table));  // an empty table lets even 0 in
    for (int i = 0; i < 30; ++i) table.push_back("100  01/01/26  10:00  Champion     100   2");
    EXPECT_FALSE(qualifies(99, table));
    EXPECT_TRUE(qualifies(100, table));
    table[29] = "60   01/01/26  10:00  Champion     60    2";
    EXPECT_TRUE(qualifies(60, table));  // a tie with the 30th enters
    EXPECT_FALSE(qualifies(59, table));
    table[29] = "abcd";  // not a number: counts as 100
    EXPECT_FALSE(qualifies(99, table));
    table.push_back("0    01/01/26  10:00  Late         0     2");  // the 31st is not read
    EXPECT_FALSE(qualifies(1, table));
    table.resize(29);  // fewer than 30: everything enters
    EXPECT_TRUE(qualifies(0, table));
}

TEST(Ranking, HighestFirstEarlierFirstAmongEqualsScoreZeroNever) {
    const std::vector<std::string> file = {"50   a", "67   b", "100  c", "0    d", "67   e", "xx   f", "1"};
    const auto ranked = rankRecords(file);
    EXPECT_EQ(ranked, (std::vector<std::string>{"100  c", "67   b", "67   e", "50   a"}));
    EXPECT_EQ(recordsOfSet({"50   x 2", "60   y 3", "", "70   z 2"}, 2), (std::vector<std::string>{"50   x 2"}));
}

TEST(Ranking, AgreesWithTheRankByRankPasses) {
    std::mt19937 random(7);
    for (int size : {0, 1, 30, 31, 61, 200}) {
        std::vector<std::string> file;
        for (int i = 0; i < size; ++i) {
            const int score = static_cast<int>(random() % 12) * 9;  // many ties, some zeros
            std::string name = "N";
            name += std::to_string(i);
            file.push_back(buildRecord(std::to_string(score), kWhen, name, 2));
        }
        EXPECT_EQ(rankRecords(file), rankRecordsByPasses(file)) << size;
    }
}

}  // namespace sv::records
