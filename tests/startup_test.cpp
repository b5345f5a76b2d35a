#include "program_fixture.h"
#include "questions/frm_charge.h"
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

TEST_F(Startup, SetsTheProgramFolderAndTheLineBreak) {
    app->start();
    EXPECT_EQ(m->CheminApp, folder.string() + "/");
    EXPECT_EQ(m->CheminApp2, m->CheminApp);
    EXPECT_EQ(m->CrLf, "\r\n");
    EXPECT_EQ(m->NbQuestCat, 50);
}

TEST_F(Startup, MarksPutInTheLiveTablesDoNotReachTheLoadersCopies) {
    app->start();
    platform.advance(200);
    auto& start = *app->find<screens::FrmBDema>();
    app->userClick(start.CmdJouer(1));
    platform.advance(8 * 90);
    EXPECT_EQ(m->TabSci[16].Question, "Combien d'angles a un hexagone ?");
    m->TabSci[16].Dispo = 0;
    EXPECT_EQ(m->staging[4][16].Dispo, 1);
    EXPECT_EQ(m->TabSci[0].Question, "");  // slot 0 is never written
}

TEST_F(Startup, TheSupportMailNamesTheProgramsVersionAndSize) {
    app->start();
    support::MailProbleme(*app, *m);
    ASSERT_EQ(platform.shellRequests().size(), 1u);
    const std::string& address = platform.shellRequests()[0].target;
    EXPECT_EQ(address.rfind("mailto:?to=support@savanto.example&Subject=Savanto - 1.60.0.0 - ", 0), 0u) << address;
    EXPECT_NE(address.find(" Mo&Body=Vous%20avez%20rencontr%C3%A9%20un%20probl%C3%A8me"), std::string::npos) << address;
    EXPECT_EQ(support::VersionFichier(*app, platform.executablePath()), "1.60.0.0");
    EXPECT_EQ(support::VersionFichier(*app, (folder / "WFenet.gif").string()), "Version non récupérable");

    // Without a mail program or a browser, the player is told, and given the address.
    platform.setShellResult(31);
    support::MailProbleme(*app, *m);
    ASSERT_FALSE(platform.messageBoxes().empty());
    EXPECT_NE(platform.messageBoxes().back().request.text.find("support@savanto.example"), std::string::npos);
    support::OuvrirDocument(*app, *m, "Reglejeu.htm", "la règle du jeu");
    EXPECT_EQ(platform.messageBoxes().back().request.text,
              "Impossible d'afficher la règle du jeu : aucun programme de cet ordinateur ne\r\npermet d'ouvrir le "
              "fichier « Reglejeu.htm ».");
}

}  // namespace sv::test

namespace sv::test {

TEST_F(Startup, TheThirdProblemReportOfARunEndsTheProgram) {
    app->start();
    platform.advance(200);
    auto report = [&] { support::reportError(*app, *m, support::lieu::kBoardStart, RuntimeError(err::kTypeMismatch)); };
    report();
    platform.advance(100);
    EXPECT_EQ(m->NbRapports, 1);
    // A report while the window is open only brings it to the front.
    report();
    platform.advance(1000);
    EXPECT_EQ(m->NbRapports, 1);
    app->unload(*app->find("FrmErr"));
    EXPECT_FALSE(app->ended());  // closing a report of the board's start-up changes nothing else
    report();
    platform.advance(100);
    EXPECT_EQ(m->NbRapports, 2);
    app->unload(*app->find("FrmErr"));
    report();
    platform.advance(100);
    EXPECT_EQ(m->NbRapports, 3);
    EXPECT_TRUE(app->ended());
    ASSERT_EQ(platform.messageBoxes().size(), 1u);
    EXPECT_EQ(platform.messageBoxes()[0].request.text, "Arrêt du programme suite à une erreur récursive.");
    EXPECT_EQ(platform.messageBoxes()[0].request.icon, ui::MsgIcon::Critical);
}

}  // namespace sv::test

namespace sv::test {

TEST_F(Startup, AnOptionsFileThatCannotBeReadGivesTheDefaultsAndLeavesATrail) {
    std::filesystem::create_directories(folder / "option.ret");
    app->start();
    EXPECT_EQ(m->Duree, 120);
    ASSERT_EQ(platform.logs().size(), 1u);
    EXPECT_EQ(platform.logs()[0].rfind("savanto.files: option.ret: ", 0), 0u) << platform.logs()[0];
}

}  // namespace sv::test
