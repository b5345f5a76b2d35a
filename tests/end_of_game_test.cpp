#include "board/frm_csav.h"
#include "program_fixture.h"
#include "screens/frm_bdema.h"
#include "ui/files.h"

namespace sv::test {

// The end-of-game step, from a board set to the moment the final question was answered right.
class EndOfGame : public ProgramFixture {
protected:
    board::FrmCSav& won(int type, int winner, const char* winnerCounts[3], const char* loserCounts[3]) {
        app->start();
        platform.advance(200);
        auto& start = *app->find<screens::FrmBDema>();
        if (type == 2) app->userClick(start.Opt2);
        app->userClick(start.CmdJouer(type));
        platform.queueRandom(winner == 1 ? 0.1 : 0.9);
        platform.advance(1720 + 750);
        auto& b = *app->find<board::FrmCSav>();
        // The counts as the game reached them (asked, right, percentage shown).
        auto set = [](board::SideScore& n, const char* counts[3]) {
            n.asked = std::stoi(counts[0]);
            n.right = std::stoi(counts[1]);
            n.wrong = n.asked - n.right;
            n.score = std::stoi(counts[2]);
        };
        set(b.game.side(winner), winnerCounts);
        if (loserCounts) set(b.game.side(3 - winner), loserCounts);
        b.TimFin.setInterval(1000);
        return b;
    }
    void table(const std::string& text) { files::writeTextAtomic(folder / "bestscor.ret", text); }
    const ui::MessageBoxSpec& lastBox() { return platform.messageBoxes().back().request; }
    std::string fullTable(int score) {
        std::string t;
        for (int i = 0; i < 30; ++i) t += std::to_string(score) + "  01/01/26  10:00  Champion     100   2\r\n";
        return t;
    }
};

TEST_F(EndOfGame, OnePlayerBelowAFullTableGetsThePlainMessageAndNothingIsWritten) {
    table(fullTable(100));
    const char* counts[3] = {"8", "7", "88"};
    board::FrmCSav& b = won(1, 1, counts, nullptr);
    platform.advance(1000);
    ASSERT_EQ(platform.messageBoxes().size(), 1u);
    EXPECT_EQ(lastBox().title, "Fin de la partie");
    EXPECT_EQ(lastBox().buttons, ui::MsgButtons::Ok);
    EXPECT_EQ(lastBox().icon, ui::MsgIcon::Exclamation);
    EXPECT_EQ(lastBox().text,
              "Bravo Camille ! Vous avez répondu correctement            \r\nà la dernière question du jeu. Votre "
              "pourcentage\r\nde   ''réponses justes / réponses fausses''   est de:\r\n\r\n" +
                  std::string(34, ' ') + "88 %\r\n\r\n");
    EXPECT_EQ(files::readText(folder / "bestscor.ret"), fullTable(100));
    EXPECT_EQ(b.PartieFinie, 1);
    EXPECT_FALSE(b.TimShowSco.armed());
    EXPECT_EQ(platform.sounds().back(), m->CheminApp + "WSon06.wav");
}

TEST_F(EndOfGame, AnsweringNoWritesNothingAndOpensNoTable) {
    const char* counts[3] = {"7", "7", "100"};
    board::FrmCSav& b = won(1, 1, counts, nullptr);
    platform.queueAnswer(ui::kMsgNo);
    platform.advance(1000);
    EXPECT_EQ(lastBox().buttons, ui::MsgButtons::YesNo);
    EXPECT_FALSE(files::exists(folder / "bestscor.ret"));
    platform.advance(3000);
    EXPECT_EQ(app->find("FrmDetailScor"), nullptr);
    EXPECT_TRUE(b.enabled());
}

TEST_F(EndOfGame, TwoSidesBelowAFullTableShowBothSidesResults) {
    table(fullTable(100));
    const char* winner[3] = {"8", "7", "88"};
    const char* loser[3] = {"2", "1", "50"};
    won(2, 2, winner, loser);
    platform.advance(1000);
    EXPECT_EQ(lastBox().text,
              "Bravo Léa ! Vous avez répondu correctement            \r\n         à  la  dernière  question  du  jeu.  \r\n"
              "Vous êtes donc le (la) gagnant(e) de la partie.\r\n\r\nVotre score, en pourcentage, est de 88 %.\r\n"
              "Soit 7 bonnes réponses pour 8 questions posées.\r\n\r\nLe score de Julien est de 50 %.\r\n"
              "Soit 1 bonnes réponses pour 2 questions posées.");
    EXPECT_EQ(lastBox().buttons, ui::MsgButtons::Ok);
}

TEST_F(EndOfGame, ARecordThatIsNotANumberCountsAsAFullScore) {
    std::string t = fullTable(100);
    t.replace(0, 3, "abc");
    table(t);
    const char* counts[3] = {"8", "7", "88"};
    won(1, 1, counts, nullptr);
    platform.advance(1000);
    EXPECT_EQ(lastBox().buttons, ui::MsgButtons::Ok);
}

TEST_F(EndOfGame, AScoresFileThatCannotBeReadIsReportedNotTakenForNone) {
    std::filesystem::create_directories(folder / "bestscor.ret" / "x");  // there, but no file
    const char* counts[3] = {"7", "7", "100"};
    won(1, 1, counts, nullptr);
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
    const char* counts[3] = {"7", "7", "100"};
    board::FrmCSav& b = won(1, 1, counts, nullptr);
    EXPECT_EQ(m->CheminDonnees, data.string() + "/");
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
