#include <algorithm>
#include <set>

#include "program_fixture.h"
#include "questions/frm_eponse.h"
#include "screens/frm_bdema.h"
#include "screens/frm_entraine.h"
#include "ui/files.h"

namespace sv::test {

class Training : public ProgramFixture {
protected:
    // Picks a category ("Optio1".."Optio6") and a series of `length` (20, 30 or 50) questions, and plays.
    screens::FrmEntraine* series(const char* category, int length = 20) {
        if (app->find("FrmBDema") == nullptr) app->start();
        platform.advance(200);
        auto& start = *app->find<screens::FrmBDema>();
        app->userClick(start.Opt3);
        app->userClick(*start.find(category));
        app->userClick(length == 50 ? start.Op3 : length == 30 ? start.Op2 : start.Op1);
        app->userClick(start.CmdJouer(3));
        platform.advance(1100);
        return app->find<screens::FrmEntraine>();
    }
    // The solution asked and the verdict given on the question shown.
    void judge(bool right) {
        app->userClick(app->find<screens::FrmEntraine>()->CmdCle);
        platform.advance(100);
        auto* check = app->find<questions::FrmEponse>();
        ASSERT_NE(check, nullptr);
        app->userClick(right ? check->CmdOui : check->CmdNon);
        platform.advance(10);
    }
    void answer(screens::FrmEntraine& t, bool right) {
        app->userClick(t.CmdJouer);
        platform.advance(100);
        judge(right);
    }
    static std::string countdown(const screens::FrmEntraine& t) { return t.LblMN.caption() + ":" + t.LblSe.caption(); }
    std::string lastMessage() const {
        return platform.messageBoxes().empty() ? "" : platform.messageBoxes().back().request.text;
    }
};

TEST(TrainingSummary, VerdictBands) {
    EXPECT_STREQ(screens::summaryVerdict(61), "Bravo !!!");
    EXPECT_STREQ(screens::summaryVerdict(80), "Bravo !!!");
    EXPECT_STREQ(screens::summaryVerdict(81), "Excellent score, bravo !!!");
}

TEST_F(Training, ASeriesPlayedToItsEndWithTheCountdownAtTenSecondsThenOff) {
    screens::FrmEntraine& t = *series("Optio2");  // history
    EXPECT_TRUE(t.ImgJau.visible());
    EXPECT_FALSE(t.ImgBle.visible());
    const std::set<int> drawn(t.Serie.begin() + 1, t.Serie.begin() + 21);  // 20 different questions, each marked used
    ASSERT_EQ(drawn.size(), 20u);
    ASSERT_TRUE(*drawn.begin() >= 1 && *drawn.rbegin() <= 50);
    for (int j : drawn) EXPECT_EQ(m->TabHis[static_cast<std::size_t>(j)].Dispo, 0) << j;
    EXPECT_EQ(t.Serie[21], 0);
    EXPECT_EQ(std::count_if(m->TabHis.begin() + 1, m->TabHis.begin() + 51, [](const auto& q) { return q.Dispo == 1; }), 30);

    // Nothing chosen: thirty seconds, stopped when the solution is asked.
    app->userClick(t.CmdJouer);
    EXPECT_EQ(countdown(t), "30:00");
    judge(true);
    EXPECT_EQ(countdown(t), "00:00");
    EXPECT_EQ(t.LblR1.caption(), "La bonne réponse est:");
    EXPECT_EQ(t.LblR1.foreColor(), ui::kWhite);
    EXPECT_EQ(t.CmdJouer.caption(), "Question suivante");
    EXPECT_TRUE(m->RepEntraine.empty());

    // Ten seconds: the question times out after exactly ten seconds, as a wrong answer.
    app->userChoose(t.Cbo, 0);
    EXPECT_EQ(t.LblMN.caption(), "10");
    EXPECT_FALSE(t.TxtCbo.visible());
    app->userClick(t.CmdJouer);
    platform.advance(100);
    const std::string solution = m->RepEntraine;
    platform.advance(9899);
    EXPECT_EQ(countdown(t), "00:01");
    platform.advance(1);
    EXPECT_EQ(countdown(t), "00:00");
    EXPECT_EQ(t.LblFausse.caption(), "1");
    EXPECT_EQ(t.LblR3.caption(), solution);
    EXPECT_FALSE(t.CmdCle.visible());
    platform.advance(30);
    EXPECT_EQ(lastMessage(), "Le temps de réflexion est terminé, la  réponse  est  considérée  nulle.      ");
    platform.advance(20);
    EXPECT_EQ(t.LblScore.caption(), "50");
    EXPECT_TRUE(t.ImgSCO.visible());

    // 5 right of 8: 62.5 shows 62, and the bar stands on the bottom of its frame.
    for (int i = 0; i < 6; ++i) answer(t, i < 4);
    EXPECT_EQ(t.LblExacte.caption(), "5");
    EXPECT_EQ(t.LblFausse.caption(), "3");
    EXPECT_EQ(t.LblScore.caption(), "62");
    EXPECT_EQ(t.ImgSCO.height(), 62 * t.LblBas.height() / 100);
    EXPECT_EQ(t.ImgSCO.top() + t.ImgSCO.height(), t.LblBas.top() + t.LblBas.height());

    // Off, the countdown never ends a question; closing asks first and "Non" keeps the series.
    app->userClick(t.ChkChrono);
    EXPECT_FALSE(t.Cbo.enabled());
    EXPECT_EQ(t.LblMN.foreColor(), ui::rgb(128, 128, 128));
    app->userClick(t.CmdJouer);
    platform.advance(120000);
    EXPECT_TRUE(t.CmdCle.visible());
    platform.queueAnswer(ui::kMsgNo);
    app->userClick(t.CmdFerme);
    ASSERT_NE(app->find("FrmEntraine"), nullptr);
    judge(true);

    // 12 right of 20: the summary two seconds after the last verdict, then the end text.
    for (int i = 0; i < 11; ++i) answer(t, i < 6);
    EXPECT_EQ(t.LblQ.caption(), "20 de 20");
    EXPECT_EQ(t.LblScore.caption(), "60");
    EXPECT_FALSE(t.CmdJouer.visible());
    EXPECT_FALSE(t.ChkChrono.enabled());
    const std::size_t before = platform.messageBoxes().size();
    platform.advance(1990);
    EXPECT_EQ(platform.messageBoxes().size(), before);
    platform.advance(10);
    EXPECT_EQ(lastMessage(),
              "Fin du questionnaire histoire.\r\n\r\nVous avez répondu juste à 12 questions sur 20.\r\n\r\n"
              "Votre score  est de 60 % de réponses  justes.            \r\n\r\nVous pouvez faire mieux.");
    platform.advance(3000);
    EXPECT_EQ(t.LblQue.caption(), "\r\n\r\n\r\nFin du questionnaire");
    EXPECT_EQ(t.LblR3.caption(), "");
    app->userClick(t.CmdFerme);  // the series is over: no question asked
    EXPECT_EQ(platform.messageBoxes().size(), before + 1);
    EXPECT_EQ(app->find("FrmEntraine"), nullptr);
}

TEST_F(Training, AFiftyQuestionSeriesUsesTheWholeCategoryEvenWithoutItsBackground) {
    app->start();
    platform.advance(200);
    std::filesystem::remove(folder / "WFenet.gif");
    screens::FrmEntraine& t = *series("Optio4", 50);  // science
    EXPECT_EQ(m->ErrLieu, 113);
    EXPECT_TRUE(t.visible());
    EXPECT_EQ(t.caption(), "50 questions sciences et nature");
    EXPECT_TRUE(t.ImgVer.visible());
    EXPECT_EQ(std::set<int>(t.Serie.begin() + 1, t.Serie.begin() + 51).size(), 50u);
    EXPECT_LE(t.CmdFerme.top() + t.CmdFerme.height(), t.clientHeight());
    EXPECT_LE(t.LblBas.left() + t.LblBas.width(), t.clientWidth());
}

TEST_F(Training, AQuestionSetShortOfQuestionsGivesAShorterSeriesOrNoneButNeverHangs) {
    // Set 1 loads nothing: the tables stay as they are, empty at the first start.
    files::writeTextAtomic(folder / "option.ret",
                           "Quest=1\r\nSonYN=1\r\nNomJ1=A\r\nNomJ2=B\r\nNomJ3=C\r\nMinut=1\r\nDuree=120\r\n");
    EXPECT_EQ(series("Optio2"), nullptr);
    EXPECT_NE(app->find("FrmBDema"), nullptr);
    EXPECT_NE(lastMessage().find("Aucune question"), std::string::npos);
    for (int j = 11; j <= 17; ++j) {
        m->TabHis[static_cast<std::size_t>(j)] = {"Question " + std::to_string(j) + " ?", "", "", "", "", "R", 1};
    }
    auto* t = series("Optio2");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->caption(), "7 questions histoire");
    EXPECT_EQ(std::set<int>(t->Serie.begin() + 1, t->Serie.begin() + 8), (std::set<int>{11, 12, 13, 14, 15, 16, 17}));
    EXPECT_EQ(t->Serie[8], 0);
}

}  // namespace sv::test
