#include <algorithm>
#include <set>

#include "game_fixture.h"
#include "questions/frm_quest.h"
#include "questions/frm_questc.h"

namespace sv::test {

class QuestionDraw : public GameFixture {
protected:
    // A game on the board (side 2 starts with two sides), the token on a blue square.
    board::FrmCSav& board(int type = 1) {
        board::FrmCSav& b = game(type, 0.9);
        dropOn(b, type, 1);
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
    // The same square again, so that "QUESTION" is enabled again.
    static void again(board::FrmCSav& b) {
        b.CmdLB_Click();
        b.LblQuest.setEnabled(true);
    }
    state::QuestionTable& geo() { return m->TabGeo; }
};

TEST_F(QuestionDraw, NoQuestionComesTwiceAndAUsedUpCategoryRefillsOnlyAfterMoreMissesThanQuestions) {
    // With ten or more left, a refill (more than 50 misses in a row) practically never comes.
    board::FrmCSav& b = board();
    std::set<std::string> seen;
    for (int i = 0; i < 40; ++i) {
        const std::string q = ask(b, true);
        EXPECT_TRUE(seen.insert(q).second) << "asked twice: " << q;
        again(b);
    }
    EXPECT_EQ(std::count_if(geo().begin() + 1, geo().begin() + 51, [](const auto& q) { return q.Dispo == 0; }), 40);
    // Only slot 30 left: 50 misses on slot 1 do not refill, then slot 30 comes.
    for (int i = 1; i <= 50; ++i) geo()[static_cast<std::size_t>(i)].Dispo = i == 30 ? 1 : 0;
    for (int i = 0; i < 50; ++i) platform.queueRandom(0.0);
    platform.queueRandom(0.59);
    EXPECT_EQ(ask(b, true), geo()[30].Question);
    EXPECT_EQ(geo()[2].Dispo, 0);
    // All used: 51 misses on slot 7; the refill keeps slot 7 asked; slot 7 misses again, then slot 8.
    again(b);
    for (int i = 0; i < 52; ++i) platform.queueRandom(0.12);
    platform.queueRandom(0.14);
    EXPECT_EQ(ask(b, true), geo()[8].Question);
    EXPECT_EQ(geo()[7].Dispo, 0);
    EXPECT_EQ(geo()[8].Dispo, 0);
    EXPECT_EQ(geo()[9].Dispo, 1);
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
    again(b);
    b.game.side(2).recap = 50;
    const std::string last = m->RecapJ2.Quest[50];
    ask(b, false);
    EXPECT_EQ(b.LblQ2.caption(), "51");
    EXPECT_EQ(m->RecapJ2.Quest[50], last);
    EXPECT_EQ(m->JQuiJ, state::Turn::Side1);  // the wrong answer passed the turn
}

TEST_F(QuestionDraw, TheFinalCategoryIsChosenOnlyOnceTheFinalQuestionIsAnnounced) {
    board::FrmCSav& b = board();
    for (int k = 1; k <= 6; ++k) b.PartJ1[static_cast<std::size_t>(k)] = 1;
    dropOn(b, 1, 0);
    EXPECT_EQ(b.LblN.caption(), "Question finale");  // one player: the centre's choice text stays
    EXPECT_EQ(b.LblInfo.caption(),
              "Cliquez sur le bouton\r\n''Question''\r\npuis sélectionnez la\r\ncatégorie à laquelle\r\nvous voulez\r\nrépondre.");
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
