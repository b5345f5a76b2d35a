#include <set>

#include "program_fixture.h"
#include "questions/frm_eponse.h"
#include "screens/frm_bdema.h"
#include "screens/frm_entraine.h"
#include "ui/files.h"

namespace sv::test {

class Training : public ProgramFixture {
protected:
    // Picks a category on the start screen (its option button, "Optio1".."Optio6") and a
    // series of `length` (20, 30 or 50) questions, and plays.
    void startQuiz(const char* category, int length = 20) {
        if (app->find("FrmBDema") == nullptr) app->start();
        platform.advance(200);
        auto& start = *app->find<screens::FrmBDema>();
        app->userClick(start.Opt3);
        app->userClick(*start.find(category));
        app->userClick(length == 50 ? start.Op3 : length == 30 ? start.Op2 : start.Op1);
        app->userClick(start.CmdJouer(3));
        platform.advance(1100);
    }
    // The same, once the training window shows.
    screens::FrmEntraine& series(const char* category, int length = 20) {
        startQuiz(category, length);
        return *app->find<screens::FrmEntraine>();
    }
    // One question: shown, solution asked, verdict given.
    void answer(screens::FrmEntraine& t, bool right) {
        app->userClick(t.CmdJouer);
        platform.advance(100);
        app->userClick(t.CmdCle);
        platform.advance(100);
        auto* check = app->find<questions::FrmEponse>();
        ASSERT_NE(check, nullptr);
        app->userClick(right ? check->CmdOui : check->CmdNon);
        platform.advance(10);
    }
    std::string lastMessage() const {
        return platform.messageBoxes().empty() ? "" : platform.messageBoxes().back().request.text;
    }
};

TEST_F(Training, OpensWithItsCategoryAndDrawsASeriesWithoutRepeatsMarkedUsed) {
    screens::FrmEntraine& t = series("Optio2");  // history
    EXPECT_TRUE(t.visible());
    EXPECT_EQ(app->find("FrmCharge"), nullptr);
    EXPECT_EQ(t.caption(), "20 questions histoire");
    EXPECT_TRUE(t.ImgJau.visible());
    EXPECT_FALSE(t.ImgBle.visible());
    EXPECT_EQ(t.LblQue.caption(), "\r\n\r\nQUIZZ");
    EXPECT_EQ(t.LblR4.caption(), "possible.");
    std::set<int> drawn;
    for (int i = 1; i <= 20; ++i) {
        const int j = t.Serie[static_cast<std::size_t>(i)];
        ASSERT_GE(j, 1);
        ASSERT_LE(j, 50);
        drawn.insert(j);
        EXPECT_EQ(m->TabHis[static_cast<std::size_t>(j)].Dispo, 0);
    }
    EXPECT_EQ(drawn.size(), 20u);
    EXPECT_EQ(t.Serie[21], 0);
    int left = 0;
    for (int j = 1; j <= 50; ++j) left += m->TabHis[static_cast<std::size_t>(j)].Dispo;
    EXPECT_EQ(left, 30);

    // A 50-question series of another category uses every question of it.
    app->userClick(t.CmdFerme);  // "Oui" to the confirmation, by default
    platform.advance(200);
    screens::FrmEntraine& u = series("Optio4", 50);  // science
    EXPECT_EQ(u.caption(), "50 questions sciences et nature");
    EXPECT_TRUE(u.ImgVer.visible());
    std::set<int> all(u.Serie.begin() + 1, u.Serie.begin() + 51);
    EXPECT_EQ(all.size(), 50u);
}

TEST_F(Training, AWholeSeriesEndsWithItsSummaryThenItsEndTextAndClosesWithoutAsking) {
    screens::FrmEntraine& t = series("Optio1");  // geography
    for (int i = 0; i < 20; ++i) answer(t, i < 12);
    EXPECT_EQ(t.LblQ.caption(), "20 de 20");
    EXPECT_EQ(t.LblScore.caption(), "60");
    EXPECT_EQ(t.SerieFinie, 1);
    EXPECT_FALSE(t.CmdJouer.visible());
    EXPECT_FALSE(t.ChkChrono.enabled());
    const std::size_t before = platform.messageBoxes().size();
    platform.advance(1990);
    EXPECT_EQ(platform.messageBoxes().size(), before);
    platform.advance(10);
    EXPECT_EQ(lastMessage(),
              "Fin du questionnaire géographie.\r\n\r\nVous avez répondu juste à 12 questions sur 20.\r\n\r\n"
              "Votre score  est de 60 % de réponses  justes.            \r\n\r\nVous pouvez faire mieux.");
    platform.advance(3000);
    EXPECT_EQ(t.LblQue.caption(), "\r\n\r\n\r\nFin du questionnaire");
    EXPECT_EQ(t.LblR3.caption(), "");
    app->userClick(t.CmdFerme);
    EXPECT_EQ(platform.messageBoxes().size(), before + 1);
    EXPECT_EQ(app->find("FrmEntraine"), nullptr);
    EXPECT_NE(app->find("FrmBDema"), nullptr);
}

TEST_F(Training, TheSummaryBandsAndTheScoreWithItsBar) {
    EXPECT_STREQ(screens::summaryVerdict(60), "Vous pouvez faire mieux.");
    EXPECT_STREQ(screens::summaryVerdict(61), "Bravo !!!");
    EXPECT_STREQ(screens::summaryVerdict(80), "Bravo !!!");
    EXPECT_STREQ(screens::summaryVerdict(81), "Excellent score, bravo !!!");

    screens::FrmEntraine& t = series("Optio3");
    for (int i = 0; i < 8; ++i) answer(t, i < 5);
    EXPECT_EQ(t.LblScore.caption(), "62");  // 62.5, to the even neighbour
    EXPECT_EQ(t.ImgSCO.height(), 62 * t.LblBas.height() / 100);
    EXPECT_EQ(t.ImgSCO.top() + t.ImgSCO.height(), t.LblBas.top() + t.LblBas.height());
    EXPECT_EQ(t.LblExacte.caption(), "5");
    EXPECT_EQ(t.LblFausse.caption(), "3");
    EXPECT_EQ(t.LblR1.caption(), "La bonne réponse est:");
    EXPECT_EQ(t.LblR1.foreColor(), ui::kWhite);
    EXPECT_EQ(t.CmdJouer.caption(), "Question suivante");
    EXPECT_TRUE(m->RepEntraine.empty());
}

TEST_F(Training, ATenSecondQuestionTimesOutAfterTenSecondsAsAWrongAnswer) {
    screens::FrmEntraine& t = series("Optio5");
    app->userChoose(t.Cbo, 0);  // "10 sec"
    EXPECT_EQ(t.LblMN.caption(), "10");
    EXPECT_FALSE(t.TxtCbo.visible());
    app->userClick(t.CmdJouer);
    platform.advance(100);
    const std::string answer = m->RepEntraine;
    platform.advance(9899);
    EXPECT_EQ(t.LblMN.caption() + ":" + t.LblSe.caption(), "00:01");
    EXPECT_EQ(t.LblFausse.caption(), "0");
    platform.advance(1);
    EXPECT_EQ(t.LblMN.caption() + ":" + t.LblSe.caption(), "00:00");
    EXPECT_EQ(t.LblFausse.caption(), "1");
    EXPECT_EQ(t.LblR3.caption(), answer);
    EXPECT_FALSE(t.CmdCle.visible());
    platform.advance(30);
    EXPECT_EQ(lastMessage(), "Le temps de réflexion est terminé, la  réponse  est  considérée  nulle.      ");
    platform.advance(20);
    EXPECT_EQ(t.LblScore.caption(), "0");
    EXPECT_TRUE(t.ImgSCO.visible());
}

TEST_F(Training, TheCountdownOffNeverTimesOutAndNothingChosenGivesThirtySeconds) {
    screens::FrmEntraine& t = series("Optio6");
    app->userClick(t.CmdJouer);
    EXPECT_EQ(t.LblMN.caption() + ":" + t.LblSe.caption(), "30:00");
    app->userClick(t.CmdCle);
    platform.advance(100);
    EXPECT_EQ(t.LblMN.caption() + ":" + t.LblSe.caption(), "00:00");
    app->userClick(app->find<questions::FrmEponse>()->CmdOui);
    app->userClick(t.ChkChrono);
    EXPECT_FALSE(t.Cbo.enabled());
    EXPECT_EQ(t.LblMN.foreColor(), ui::rgb(128, 128, 128));
    app->userClick(t.CmdJouer);
    platform.advance(120000);
    EXPECT_EQ(t.LblMN.caption() + ":" + t.LblSe.caption(), "00:00");
    EXPECT_EQ(t.LblFausse.caption(), "0");
    EXPECT_TRUE(t.CmdCle.visible());
    // Closing before the end asks first: "Non" keeps the series.
    platform.queueAnswer(ui::kMsgNo);
    app->userClick(t.CmdFerme);
    EXPECT_EQ(lastMessage(), "Voulez-vous vraiment quitter le jeu ?      ");
    EXPECT_NE(app->find("FrmEntraine"), nullptr);
}

TEST_F(Training, AQuestionSetShortOfQuestionsGivesAShorterSeriesOrNoneButNeverHangs) {
    // Set 1 loads nothing: the tables stay as they are, empty at the first start.
    files::writeTextAtomic(folder / "option.ret",
                           "Quest=1\r\nSonYN=1\r\nNomJ1=A\r\nNomJ2=B\r\nNomJ3=C\r\nMinut=1\r\nDuree=120\r\n");
    startQuiz("Optio2");
    EXPECT_EQ(app->find("FrmEntraine"), nullptr);
    EXPECT_NE(app->find("FrmBDema"), nullptr);
    EXPECT_NE(lastMessage().find("Aucune question"), std::string::npos);

    for (int j = 11; j <= 17; ++j) {
        m->TabHis[static_cast<std::size_t>(j)] = {"Question " + std::to_string(j) + " ?", "", "", "", "", "R", 1};
    }
    startQuiz("Optio2");
    auto* t = app->find<screens::FrmEntraine>();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->caption(), "7 questions histoire");
    std::set<int> drawn(t->Serie.begin() + 1, t->Serie.begin() + 8);
    EXPECT_EQ(drawn, (std::set<int>{11, 12, 13, 14, 15, 16, 17}));
    EXPECT_EQ(t->Serie[8], 0);
}

TEST_F(Training, WithoutItsBackgroundTheWindowIsReportedAndStillPlayable) {
    app->start();
    platform.advance(200);
    std::filesystem::remove(folder / "WFenet.gif");
    screens::FrmEntraine& t = series("Optio1");
    EXPECT_EQ(m->ErrLieu, 113);
    EXPECT_TRUE(t.visible());
    EXPECT_LE(t.CmdFerme.top() + t.CmdFerme.height(), t.clientHeight());
    EXPECT_LE(t.LblBas.left() + t.LblBas.width(), t.clientWidth());
}

}  // namespace sv::test
