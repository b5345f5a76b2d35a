#include "program_fixture.h"
#include "screens/frm_bdema.h"
#include "support/mail.h"
#include "support/report.h"

namespace sv::test {

using Startup = ProgramFixture;

TEST_F(Startup, ASecondInstanceSaysSoAndEnds) {
    platform.setPreviousInstance(true);
    app->start();
    EXPECT_TRUE(app->ended());
    ASSERT_EQ(platform.messageBoxes().size(), 1u);
    const auto& box = platform.messageBoxes()[0].request;
    EXPECT_EQ(box.text, "Le programme est déja lancé.");
    EXPECT_EQ(box.title, "Savanto");
    EXPECT_EQ(box.icon, ui::MsgIcon::Exclamation);
}

TEST_F(Startup, AnOptionsFileThatCannotBeReadGivesTheDefaultsAndLeavesATrail) {
    std::filesystem::create_directories(folder / "option.ret");
    app->start();
    EXPECT_EQ(m->Duree, 120);
    ASSERT_EQ(platform.logs().size(), 1u);
    EXPECT_EQ(platform.logs()[0].rfind("savanto.files: option.ret: ", 0), 0u) << platform.logs()[0];
}

TEST_F(Startup, WithoutAMailProgramOrABrowserThePlayerIsTold) {
    app->start();
    EXPECT_EQ(support::VersionFichier(*app, (folder / "WFenet.gif").string()), "Version non récupérable");
    platform.setShellResult(31);
    support::MailProbleme(*app, *m);
    ASSERT_FALSE(platform.messageBoxes().empty());
    EXPECT_NE(platform.messageBoxes().back().request.text.find("support@savanto.example"), std::string::npos);
    support::OuvrirDocument(*app, *m, "Reglejeu.htm", "la règle du jeu");
    EXPECT_EQ(platform.messageBoxes().back().request.text,
              "Impossible d'afficher la règle du jeu : aucun programme de cet ordinateur ne\r\npermet d'ouvrir le "
              "fichier « Reglejeu.htm ».");
}

TEST_F(Startup, TheThirdProblemReportOfARunEndsTheProgram) {
    app->start();
    platform.advance(200);
    auto report = [&](int expected) {
        support::reportError(*app, *m, support::lieu::kBoardStart, RuntimeError(err::kTypeMismatch));
        platform.advance(100);
        EXPECT_EQ(m->NbRapports, expected);
    };
    report(1);
    report(1);  // while the window is open it only comes to the front
    app->unload(*app->find("FrmErr"));
    EXPECT_FALSE(app->ended());  // closing a report of the board's start-up changes nothing else
    report(2);
    app->unload(*app->find("FrmErr"));
    report(3);
    EXPECT_TRUE(app->ended());
    ASSERT_EQ(platform.messageBoxes().size(), 1u);
    EXPECT_EQ(platform.messageBoxes()[0].request.text, "Arrêt du programme suite à une erreur récursive.");
    EXPECT_EQ(platform.messageBoxes()[0].request.icon, ui::MsgIcon::Critical);
}

}  // namespace sv::test
