#include <array>

#include "game_fixture.h"
#include "ui/files.h"

namespace sv::test {

// The end-of-game step, from a board set to the moment the final question was answered right.
class EndOfGame : public GameFixture {
protected:
    using Counts = std::array<int, 3>;  // asked, right, percentage shown
    board::FrmCSav& won(int type, int winner, Counts winnerCounts, Counts loserCounts = {}) {
        board::FrmCSav& b = game(type, winner == 1 ? 0.1 : 0.9, 1720 + 750);
        auto set = [](board::SideScore& s, Counts c) {
            s.asked = c[0];
            s.right = c[1];
            s.wrong = c[0] - c[1];
            s.score = c[2];
        };
        set(b.game.side(winner), winnerCounts);
        if (type == 2) set(b.game.side(3 - winner), loserCounts);
        b.TimFin.setInterval(1000);
        return b;
    }
    const ui::MessageBoxSpec& lastBox() { return platform.messageBoxes().back().request; }
    // Thirty records of 100: no score below enters.
    void fullTable() {
        std::string t;
        for (int i = 0; i < 30; ++i) t += "100  01/01/26  10:00  Champion     100   2\r\n";
        files::writeTextAtomic(folder / "bestscor.ret", t);
    }
};

TEST_F(EndOfGame, OnePlayerBelowAFullTableGetsThePlainMessageAndNothingIsWritten) {
    fullTable();
    const std::string table = files::readText(folder / "bestscor.ret");
    board::FrmCSav& b = won(1, 1, {8, 7, 88});
    platform.advance(1000);
    ASSERT_EQ(platform.messageBoxes().size(), 1u);
    EXPECT_EQ(lastBox().buttons, ui::MsgButtons::Ok);
    EXPECT_EQ(lastBox().text,
              "Bravo Camille ! Vous avez répondu correctement            \r\nà la dernière question du jeu. Votre "
              "pourcentage\r\nde   ''réponses justes / réponses fausses''   est de:\r\n\r\n" +
                  std::string(34, ' ') + "88 %\r\n\r\n");
    EXPECT_EQ(files::readText(folder / "bestscor.ret"), table);
    EXPECT_FALSE(b.TimShowSco.armed());
    EXPECT_EQ(platform.sounds().back(), m->CheminApp + "WSon06.wav");
}

TEST_F(EndOfGame, TwoSidesBelowAFullTableShowBothSidesResults) {
    fullTable();
    won(2, 2, {8, 7, 88}, {2, 1, 50});
    platform.advance(1000);
    EXPECT_EQ(lastBox().text,
              "Bravo Léa ! Vous avez répondu correctement            \r\n         à  la  dernière  question  du  jeu.  \r\n"
              "Vous êtes donc le (la) gagnant(e) de la partie.\r\n\r\nVotre score, en pourcentage, est de 88 %.\r\n"
              "Soit 7 bonnes réponses pour 8 questions posées.\r\n\r\nLe score de Julien est de 50 %.\r\n"
              "Soit 1 bonnes réponses pour 2 questions posées.");
    EXPECT_EQ(lastBox().buttons, ui::MsgButtons::Ok);
}

TEST_F(EndOfGame, AnsweringNoWritesNothingAndOpensNoTable) {
    board::FrmCSav& b = won(1, 1, {7, 7, 100});
    platform.queueAnswer(ui::kMsgNo);
    platform.advance(1000);
    EXPECT_EQ(lastBox().buttons, ui::MsgButtons::YesNo);
    EXPECT_FALSE(files::exists(folder / "bestscor.ret"));
    platform.advance(3000);
    EXPECT_EQ(app->find("FrmDetailScor"), nullptr);
    EXPECT_TRUE(b.enabled());
}

TEST_F(EndOfGame, AScoresFileThatCannotBeReadIsReportedNotTakenForNone) {
    std::filesystem::create_directories(folder / "bestscor.ret" / "x");  // there, but no file
    won(1, 1, {7, 7, 100});
    platform.advance(1000);
    EXPECT_EQ(m->ErrLieu, 119);
    EXPECT_EQ(m->ErrNum, 75);
    for (const auto& box : platform.messageBoxes()) EXPECT_EQ(box.request.text.find("30 MEILLEURS"), std::string::npos);
}

TEST_F(EndOfGame, AnInstalledProgramKeepsItsScoresAndOptionsInTheUsersFolder) {
    const auto data = folder / "utilisateur" / "Savanto";
    const auto documents = folder / "Documents";
    std::filesystem::create_directories(documents);
    platform.setProgramFolderWritable(false);
    platform.setUserFolders(data.string() + "/", documents.string() + "/");
    board::FrmCSav& b = won(1, 1, {7, 7, 100});
    EXPECT_EQ(m->CheminApp2, documents.string() + "/");
    platform.queueAnswer(ui::kMsgYes);
    platform.advance(1000);
    EXPECT_TRUE(files::exists(data / "bestscor.ret"));
    EXPECT_FALSE(files::exists(folder / "bestscor.ret"));
    platform.advance(1000);
    ASSERT_NE(app->find("FrmDetailScor"), nullptr);
    app->unload(*app->find("FrmDetailScor"));
    platform.queueAnswer(ui::kMsgNo);  // no save
    app->userClick(b.LblQuit);
    EXPECT_TRUE(app->ended());
    EXPECT_EQ(files::readText(data / "option.ret").substr(0, 9), "Quest=2\r\n");
    EXPECT_FALSE(files::exists(folder / "option.ret"));
}

}  // namespace sv::test
