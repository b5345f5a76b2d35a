#include "board/board_model.h"
#include "board/board_paths.h"
#include "board/frm_csav.h"
#include "program_fixture.h"
#include "screens/frm_bdema.h"

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
    // Through the centre and out along the five other spokes.
    EXPECT_EQ(reachable(47, 2), (V{45, 48, 57, 62, 63, 68}));
    EXPECT_TRUE(reachable(0, 0).empty());
    for (int n = 0; n < board::kSquares; ++n) {
        for (int d = 1; d <= 6; ++d) EXPECT_LE(reachable(n, d).size(), static_cast<std::size_t>(board::FrmCSav::kMarks));
    }
}

TEST(BoardPaths, TheArrowsFollowThePathOnTheScreen) {
    // Left from the centre runs along the left spoke to the headquarters and round the ring.
    int at = 0;
    for (int expected : {47, 46, 45, 44, 43, 28}) EXPECT_EQ(at = neighbourToward(at, -1, 0), expected);
    EXPECT_EQ(neighbourToward(28, -1, 0), 28);  // nothing further left
    EXPECT_EQ(neighbourToward(28, 0, 1), 27);   // down the ring
    EXPECT_EQ(neighbourToward(0, 1, 0), 48);
    EXPECT_EQ(neighbourToward(0, 0, 0), 0);
}

class BoardKeys : public ProgramFixture {
protected:
    board::FrmCSav& twoSides() {
        app->start();
        platform.advance(200);
        auto& start = *app->find<screens::FrmBDema>();
        app->userKey(start, "right");  // the arrows choose the type of game
        EXPECT_TRUE(start.Opt2.value());
        app->userFocus(start.TxtJ3);
        app->userKey(start, "enter");  // Enter in a name box plays
        platform.queueRandom(0.1);     // side 1 starts
        platform.advance(1720);
        return *app->find<board::FrmCSav>();
    }
    void roll(board::FrmCSav& b, int value) {
        for (int k = 0; k < 5; ++k) platform.queueRandom((value - 0.5) / 6);
        app->userKey(b, "space");
        platform.advance(1300);
    }
    static int visibleMarks(const board::FrmCSav& b) {
        int n = 0;
        for (int k = 1; k <= board::FrmCSav::kMarks; ++k) n += b.ImgCible(k).visible() ? 1 : 0;
        return n;
    }
};

TEST_F(BoardKeys, ATurnIsPlayedWithoutTheMouse) {
    auto& b = twoSides();
    ASSERT_EQ(b.LblJ1.caption(), m->NomJ2);
    roll(b, 5);
    EXPECT_EQ(b.LblDE.caption(), "5");
    EXPECT_TRUE(b.Cam1.enabled());
    EXPECT_EQ(visibleMarks(b), 6);  // the five-square ends of the six spokes
    EXPECT_FALSE(b.ImgCurseur->visible());
    // Tab visits the marked squares; the arrows walk the paths from the token.
    app->userKey(b, "tab");
    EXPECT_TRUE(b.ImgCurseur->visible());
    EXPECT_EQ(b.ImgCurseur->left(), b.LB(43).left() - 45);  // the first of 43, 52, 53, 58, 67, 72
    app->userKey(b, "shift+tab");
    EXPECT_EQ(b.ImgCurseur->left(), b.LB(72).left() - 45);
    app->userKey(b, "escape");
    EXPECT_FALSE(b.ImgCurseur->visible());
    for (int k = 0; k < 5; ++k) app->userKey(b, "left");
    app->userKey(b, "enter");
    EXPECT_EQ(b.LblCas1.caption(), "43");
    EXPECT_EQ(b.LblCas.caption(), "43");
    EXPECT_EQ(visibleMarks(b), 0);
    EXPECT_FALSE(b.ImgCurseur->visible());
    EXPECT_TRUE(b.LblQuest.enabled());
    app->userKey(b, "enter");  // the question is all that is left to do
    ASSERT_NE(app->find("FrmQuest"), nullptr);
    EXPECT_FALSE(b.enabled());
}

TEST_F(BoardKeys, KeysDoOnlyWhatTheMouseCouldDoNow) {
    auto& b = twoSides();
    app->userKey(b, "q");       // no question before the roll
    app->userKey(b, "ctrl+s");  // "Enregistrer" is disabled
    app->userKey(b, "left");    // no token is free: no highlight
    EXPECT_EQ(app->find("FrmQuest"), nullptr);
    EXPECT_FALSE(b.ImgCurseur->visible());
    roll(b, 2);
    app->userKey(b, "space");  // the die is cast: Space does nothing more
    EXPECT_EQ(b.NbTours, 1);
    // A drop with the mouse takes the marks and the highlight away too.
    app->userKey(b, "right");
    app->userDrop(b.Cam1, b.LB(46), 10, 10);
    EXPECT_EQ(visibleMarks(b), 0);
    EXPECT_FALSE(b.ImgCurseur->visible());
    app->userKey(b, "ctrl+q");  // as "Quitter"
    EXPECT_EQ(app->find("FrmCSav"), nullptr);
}

}  // namespace sv::test
