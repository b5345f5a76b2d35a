#include <set>

#include "board/frm_csav.h"
#include "program_fixture.h"
#include "questions/frm_quest.h"
#include "questions/frm_questc.h"
#include "records/score.h"
#include "screens/frm_bdema.h"

namespace sv::test {

class QuestionDraw : public ProgramFixture {
protected:
    // A one-player game on the board, the token on a blue square.
    board::FrmCSav& board(int type = 1) {
        app->start();
        platform.advance(200);
        auto& start = *app->find<screens::FrmBDema>();
        if (type == 2) app->userClick(start.Opt2);
        app->userClick(start.CmdJouer(type));
        if (type == 2) platform.queueRandom(0.9);  // side 2 starts
        platform.advance(1720);
        auto& b = *app->find<board::FrmCSav>();
        b.game.moving = type == 2 ? 2 : 1;
        b.CaseCible = 1;
        b.CmdLB_Click();
        return b;
    }
    // Asks one question and answers it; returns the question shown.
    std::string ask(board::FrmCSav& b, bool right) {
        app->userClick(b.LblQuest);
        auto* q = app->find<questions::FrmQuest>();
        EXPECT_NE(q, nullptr);
        if (!q) return "";
        const std::string shown = q->LblQue.caption();
        platform.advance(100);
        app->userClick(q->CmdContinuer);
        app->userClick(right ? q->CmdOui : q->CmdNon);
        platform.advance(60);
        return shown;
    }
    state::QuestionTable& geo() { return m->TabGeo; }
};

TEST_F(QuestionDraw, NoQuestionComesTwiceBeforeARefill) {
    // With ten or more questions left, a refill (more than 50 misses in a row) practically
    // never comes: 40 questions are 40 different ones, all marked asked.
    board::FrmCSav& b = board();
    std::set<std::string> seen;
    for (int i = 0; i < 40; ++i) {
        const std::string q = ask(b, true);
        EXPECT_TRUE(seen.insert(q).second) << "asked twice: " << q;
        b.CmdLB_Click();  // the same square again: "QUESTION" is enabled again
        b.LblQuest.setEnabled(true);
    }
    int asked = 0;
    for (int i = 1; i <= 50; ++i) asked += geo()[static_cast<std::size_t>(i)].Dispo == 0 ? 1 : 0;
    EXPECT_EQ(asked, 40);
}

TEST_F(QuestionDraw, AUsedUpCategoryRefillsAfterMoreMissesThanQuestions) {
    board::FrmCSav& b = board();
    for (int i = 1; i <= 50; ++i) geo()[static_cast<std::size_t>(i)].Dispo = 0;
    // 51 draws of slot 7 miss; the refill keeps slot 7 asked; slot 7 misses again, then slot 8.
    for (int i = 0; i < 52; ++i) platform.queueRandom(0.12);
    platform.queueRandom(0.14);
    const std::string shown = ask(b, true);
    EXPECT_EQ(shown, geo()[8].Question);
    EXPECT_EQ(geo()[7].Dispo, 0);
    EXPECT_EQ(geo()[8].Dispo, 0);
    EXPECT_EQ(geo()[9].Dispo, 1);
}

TEST_F(QuestionDraw, FiftyMissesDoNotRefill) {
    board::FrmCSav& b = board();
    for (int i = 1; i <= 50; ++i) geo()[static_cast<std::size_t>(i)].Dispo = i == 30 ? 1 : 0;
    for (int i = 0; i < 50; ++i) platform.queueRandom(0.0);  // 50 misses on slot 1
    platform.queueRandom(0.59);                              // slot 30
    EXPECT_EQ(ask(b, true), geo()[30].Question);
    EXPECT_EQ(geo()[2].Dispo, 0);  // no refill happened
}

TEST_F(QuestionDraw, TheRecapEntryFollowsTheSidesCountAndStopsAtFifty) {
    board::FrmCSav& b = board(2);
    ASSERT_EQ(m->JQuiJ, state::Turn::Side2);
    b.game.side(2).recap = 4;
    const std::string q = ask(b, true);
    EXPECT_EQ(m->RecapJ2.Quest[5], q);
    EXPECT_EQ(m->RecapJ2.Juste[5], 1);
    EXPECT_EQ(m->RecapJ1.Quest[1], "");
    EXPECT_EQ(b.LblQ2.caption(), "5");
    // Past 50 the counters go on but nothing is written beyond the list.
    b.CmdLB_Click();
    b.LblQuest.setEnabled(true);
    b.game.side(2).recap = 50;
    const std::string last = m->RecapJ2.Quest[50];
    ask(b, false);
    EXPECT_EQ(b.LblQ2.caption(), "51");
    EXPECT_EQ(m->RecapJ2.Quest[50], last);
    EXPECT_EQ(m->JQuiJ, state::Turn::Side1);  // the wrong answer passed the turn
}

TEST(Score, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(records::scorePercent(3, 8), 38);
    EXPECT_EQ(records::scorePercent(1, 8), 12);
    EXPECT_EQ(records::scorePercent(5, 8), 62);
    EXPECT_EQ(records::scorePercent(2, 3), 67);
    EXPECT_EQ(records::scorePercent(0, 7), 0);
    EXPECT_EQ(records::scorePercent(7, 7), 100);
    EXPECT_EQ(records::scorePercent(1, 200), 0);  // 0.5 goes to 0
    EXPECT_EQ(records::scorePercent(3, 200), 2);  // 1.5 goes to 2
}

}  // namespace sv::test

namespace sv::test {

TEST_F(QuestionDraw, TheFinalCategoryIsChosenOnlyOnceTheFinalQuestionIsAnnounced) {
    board::FrmCSav& b = board();
    for (int k = 1; k <= 6; ++k) b.PartJ1[static_cast<std::size_t>(k)] = 1;
    b.CaseCible = 0;
    b.CmdLB_Click();
    app->userClick(b.LblQuest);
    platform.advance(100);
    auto* choice = app->find<questions::FrmQuestC>();
    ASSERT_NE(choice, nullptr);
    platform.advance(200);
    app->userClick(choice->ImgVer);
    EXPECT_EQ(m->CleCat, "");
    EXPECT_FALSE(choice->TimFin.armed());
    platform.advance(300);  // the announcement, answered OK
    ASSERT_EQ(platform.messageBoxes().size(), 1u);
    app->userClick(choice->ImgVer);
    EXPECT_EQ(m->CleCat, "QueV");
    platform.advance(100);
    EXPECT_EQ(app->find<questions::FrmQuestC>(), nullptr);
}

}  // namespace sv::test
