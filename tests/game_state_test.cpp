#include <gtest/gtest.h>

#include "board/game_state.h"
#include "records/score.h"

namespace sv::board {

using state::SquareType;

TEST(GameState, ARightAnswerOnAHeadquartersWinsItsWedgeOnceInTheNextFreeSlot) {
    GameState g;
    EXPECT_EQ(g.answer(1, true, false, SquareType::Headquarters, 4).wedge, 4);
    EXPECT_EQ(g.answer(1, true, false, SquareType::Headquarters, 2).wedge, 2);
    EXPECT_EQ(g.answer(1, true, false, SquareType::Headquarters, 4).wedge, 0);  // held already
    g.answer(1, false, false, SquareType::Headquarters, 5);  // wrong: no wedge
    g.answer(1, true, false, SquareType::Category, 6);       // not a headquarters
    const SideScore& s = g.side(1);
    EXPECT_EQ(s.asked, 5);
    EXPECT_EQ(s.right, 4);
    EXPECT_EQ(s.wrong, 1);
    EXPECT_EQ(s.recap, 5);
    EXPECT_EQ(s.held(), 2);
    EXPECT_EQ(s.slotOrder, (std::array<int, 7>{0, 4, 2, 0, 0, 0, 0}));
    EXPECT_EQ(g.side(2).asked, 0);
}

TEST(GameState, AWrongAnswerPassesTheTurnInATwoSideGameOnly) {
    GameState g;
    EXPECT_EQ(g.answer(2, true, true, SquareType::Category, 1).next, 2);
    EXPECT_EQ(g.answer(2, false, true, SquareType::Category, 1).next, 1);
    EXPECT_EQ(g.answer(1, false, true, SquareType::Category, 1).next, 2);
    EXPECT_EQ(g.answer(1, false, false, SquareType::Category, 1).next, 0);
    EXPECT_EQ(g.side(2).wrong, 1);
    EXPECT_EQ(g.side(1).wrong, 2);
}

TEST(GameState, TheCentreWinsTheGameOnlyForARightAnswerWithAllSixWedges) {
    GameState g;
    for (int k = 1; k <= 5; ++k) g.answer(1, true, false, SquareType::Headquarters, k);
    EXPECT_FALSE(g.answer(1, true, false, SquareType::Centre, 0).won);
    g.answer(1, true, false, SquareType::Headquarters, 6);
    EXPECT_FALSE(g.answer(1, false, false, SquareType::Centre, 0).won);
    EXPECT_TRUE(g.answer(1, true, false, SquareType::Centre, 0).won);
    EXPECT_EQ(GameState::percent(0, 0), 0);
}

TEST(Score, RoundsHalvesToTheEvenNeighbour) {
    const int cases[][3] = {{3, 8, 38}, {1, 8, 12}, {5, 8, 62}, {2, 3, 67}, {0, 7, 0}, {7, 7, 100}, {1, 200, 0}, {3, 200, 2}};
    for (const auto& c : cases) EXPECT_EQ(records::scorePercent(c[0], c[1]), c[2]) << c[0] << "/" << c[1];
}

}  // namespace sv::board
