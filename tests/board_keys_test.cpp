#include "board/board_model.h"
#include "board/board_paths.h"
#include "game_fixture.h"

namespace sv::test {

using board::neighbourToward;
using board::reachable;
using V = std::vector<int>;

TEST(BoardPaths, SquaresTouchAlongTheRingAndTheSpokesOnly) {
    EXPECT_EQ(board::neighbours(1), (V{2, 42}));
    EXPECT_EQ(board::neighbours(42), (V{1, 41, 58}));  // a headquarters opens on its spoke
    EXPECT_EQ(board::neighbours(0), (V{47, 48, 57, 62, 63, 68}));
    EXPECT_EQ(board::neighbours(45), (V{44, 46}));
    EXPECT_TRUE(board::neighbours(73).empty());
}

TEST(BoardPaths, ARollReachesTheSquaresAtExactlyItsValueWithoutGoingBack) {
    EXPECT_EQ(reachable(0, 1), (V{47, 48, 57, 62, 63, 68}));
    EXPECT_EQ(reachable(0, 6), (V{7, 14, 21, 28, 35, 42}));
    EXPECT_EQ(reachable(2, 2), (V{4, 42}));      // never back to 2 by 1 or 3
    EXPECT_EQ(reachable(1, 3), (V{4, 40, 59}));  // round the ring both ways, or in at 42
    EXPECT_EQ(reachable(47, 2), (V{45, 48, 57, 62, 63, 68}));  // through the centre
    EXPECT_TRUE(reachable(0, 0).empty());
    for (int n = 0; n < board::kSquares; ++n) {
        for (int d = 1; d <= 6; ++d) EXPECT_LE(reachable(n, d).size(), static_cast<std::size_t>(board::FrmCSav::kMarks));
    }
}

TEST(BoardPaths, TheArrowsFollowThePathOnTheScreen) {
    int at = 0;  // left from the centre: along the left spoke to the headquarters and round the ring
    for (int expected : {47, 46, 45, 44, 43, 28}) EXPECT_EQ(at = neighbourToward(at, -1, 0), expected);
    EXPECT_EQ(neighbourToward(28, -1, 0), 28);  // nothing further left
    EXPECT_EQ(neighbourToward(28, 0, 1), 27);   // down the ring
    EXPECT_EQ(neighbourToward(0, 1, 0), 48);
    EXPECT_EQ(neighbourToward(0, 0, 0), 0);
}

class BoardKeys : public GameFixture {
protected:
    static int visibleMarks(const board::FrmCSav& b) {
        int n = 0;
        for (int k = 1; k <= board::FrmCSav::kMarks; ++k) n += b.ImgCible(k).visible() ? 1 : 0;
        return n;
    }
};

// The start screen, the roll, the arrows and the landing from the keyboard are also played through Qt.
TEST_F(BoardKeys, KeysDoOnlyWhatTheMouseCouldDoNowAndMarkTheSquaresTheRollReaches) {
    auto& b = game(2);
    app->userKey(b, "q");       // no question before the roll
    app->userKey(b, "ctrl+s");  // "Enregistrer" is disabled
    app->userKey(b, "left");    // no token is free: no highlight
    EXPECT_EQ(app->find("FrmQuest"), nullptr);
    EXPECT_TRUE(platform.dialogs().empty());
    EXPECT_FALSE(b.ImgCurseur->visible());
    for (int k = 0; k < 5; ++k) platform.queueRandom(4.5 / 6);  // a five
    app->userKey(b, "space");
    platform.advance(1300);
    app->userKey(b, "space");  // the die is cast: Space does nothing more
    EXPECT_EQ(b.NbTours, 1);
    EXPECT_EQ(visibleMarks(b), 6);  // the five-square ends of the six spokes
    app->userKey(b, "tab");         // Tab visits the marked squares: 43, 52, 53, 58, 67, 72
    EXPECT_TRUE(b.ImgCurseur->visible());
    EXPECT_EQ(b.ImgCurseur->left(), b.LB(43).left() - 45);
    app->userKey(b, "shift+tab");
    EXPECT_EQ(b.ImgCurseur->left(), b.LB(72).left() - 45);
    app->userKey(b, "escape");
    EXPECT_FALSE(b.ImgCurseur->visible());
    for (int k = 0; k < 5; ++k) app->userKey(b, "left");
    app->userKey(b, "enter");
    EXPECT_EQ(b.LblCas1.caption(), "43");
    EXPECT_EQ(visibleMarks(b), 0);
    EXPECT_FALSE(b.ImgCurseur->visible());
    app->userKey(b, "right");  // a drop with the mouse takes the highlight away too
    EXPECT_TRUE(b.ImgCurseur->visible());
    app->userDrop(b.Cam1, b.LB(46), 10, 10);
    EXPECT_FALSE(b.ImgCurseur->visible());
    app->userKey(b, "enter");  // the question is all that is left to do
    ASSERT_NE(app->find("FrmQuest"), nullptr);
    EXPECT_FALSE(b.enabled());
}

}  // namespace sv::test
