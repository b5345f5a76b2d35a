#include "board/board_model.h"
#include "game_fixture.h"

namespace sv::test {

TEST(BoardModel, SixCategoriesOfNineSquaresAndAHeadquartersEach) {
    int perCategory[7] = {};
    for (int n = 0; n < board::kSquares; ++n) {
        if (board::squareKind(n) == board::SquareKind::Category) ++perCategory[board::squareCategory(n)];
        if (board::squareKind(n) == board::SquareKind::Headquarters) {
            EXPECT_NE(board::squareCategory(n), 0) << n;
        }
    }
    for (int c = 1; c <= 6; ++c) EXPECT_EQ(perCategory[c], 9) << c;
}

using Board = GameFixture;

TEST_F(Board, TheCentreAnnouncesTheFinalQuestionOnlyToASideHoldingAllSixWedges) {
    board::FrmCSav& b = game(2);  // side 1 on turn
    for (int k = 1; k <= 6; ++k) b.PartJ2[static_cast<std::size_t>(k)] = 1;
    b.NbTours = 2;
    dropOn(b, 1, 47);  // the landing texts follow a change of square
    dropOn(b, 1, 0);
    EXPECT_EQ(b.LblN.caption(), "Case centrale");  // side 2's six wedges are not side 1's
    EXPECT_EQ(platform.sounds().back(), m->CheminApp + "WSon04.wav");  // turn count above 1
    for (int k = 1; k <= 6; ++k) b.PartJ1[static_cast<std::size_t>(k)] = 1;
    dropOn(b, 1, 47);
    dropOn(b, 1, 0);
    EXPECT_EQ(b.LblN.caption(), "Question finale");
    EXPECT_EQ(b.LblInfo.caption(),
              "Cliquez sur ''Question''\r\npuis votre adversaire\r\ndevra sélectionner la\r\ncatégorie à laquelle\r\n"
              "vous devez\r\nrépondre.");
    EXPECT_EQ(m->NbPartJ1, 6);
}

TEST_F(Board, HeldWedgesRideOnTheirTokenAndTheOthersRestOutOfSight) {
    board::FrmCSav& b = game(2);
    b.PartJ1[6] = 1;  // orange
    b.PartJ2[1] = 1;  // blue
    dropOn(b, 2, 48);
    dropOn(b, 1, 48);  // side by side on one square, the recorded positions stay the square's centre
    EXPECT_EQ(b.C1Lef.caption(), "5287");
    EXPECT_EQ(b.C2Lef.caption(), "5287");
    EXPECT_EQ(b.Par1[5]->left(), b.Cam1.left());
    EXPECT_EQ(b.Par1[5]->top(), b.Cam1.top());
    EXPECT_EQ(b.Par2[0]->left(), b.Cam2.left());
    EXPECT_LT(b.Par1[0]->left(), 0);
    EXPECT_EQ(m->NbPartJ1, 1);
    EXPECT_EQ(m->NbPartJ2, 1);
    app->userDrop(*b.Par1[5], b.ImgFond, 300, 300);  // dragged onto the background: back on its token
    EXPECT_EQ(b.Par1[5]->left(), b.Cam1.left());
    EXPECT_EQ(b.Par1[5]->top(), b.Cam1.top());
}

TEST_F(Board, ANumberOutsideTheBoardClassifiesNothing) {
    board::FrmCSav& b = game(1);
    dropOn(b, 1, 7);
    dropOn(b, 0, 99);  // no token named
    EXPECT_EQ(m->TypeCase, state::SquareType::Headquarters);
    EXPECT_EQ(m->CleCat, "QueJ");
    EXPECT_EQ(b.LblCas.caption(), "99");
    EXPECT_EQ(b.LblCas1.caption(), "7");
}

TEST_F(Board, AFolderThatCannotTakeTheOptionsIsSaidAndTheBoardStillCloses) {
    board::FrmCSav& b = game(1);
    std::filesystem::create_directory(folder / "option.ret");
    app->userKey(b, "ctrl+q");  // as "Quitter"
    EXPECT_TRUE(app->ended());
    ASSERT_FALSE(platform.messageBoxes().empty());
    EXPECT_NE(platform.messageBoxes().back().request.text.find("option.ret"), std::string::npos);
}

TEST_F(Board, SaveAndOpenDialogsStartInTheLastFolderAndProposeTheGamesName) {
    board::FrmCSav& b = game(1);
    const std::string sub = (folder / "parties").string() + "/";
    std::filesystem::create_directory(folder / "parties");
    platform.queueDialog(sub + "a.par");
    EXPECT_TRUE(b.Enregistrer());
    platform.queueDialog(std::nullopt);
    app->userClick(b.LblOpen);
    platform.queueDialog(std::nullopt);
    EXPECT_FALSE(b.Enregistrer());
    const auto& d = platform.dialogs();
    ASSERT_EQ(d.size(), 3u);
    EXPECT_TRUE(d[0].request.save);
    EXPECT_EQ(d[0].request.title, "Enregistrer la partie sous ...");
    EXPECT_EQ(d[0].request.filter, "Savanto (*.par)|*.par|");
    EXPECT_EQ(d[0].request.initialFolder, folder.string() + "/");
    EXPECT_EQ(d[0].request.fileName, "Partie 1");
    EXPECT_TRUE(d[0].request.overwritePrompt);
    EXPECT_FALSE(d[1].request.save);
    EXPECT_EQ(d[1].request.title, "Ouvrir une partie enregistrée ...");
    EXPECT_EQ(d[1].request.initialFolder, sub);
    EXPECT_EQ(d[2].request.fileName, "a.par");
}

TEST_F(Board, AFailedSaveLeavesTheGameToBeSaved) {
    board::FrmCSav& b = game(2);
    std::filesystem::create_directory(folder / "ancienne.par.tmp~");  // the new text cannot be written
    b.PartieModifiee = 1;
    platform.queueDialog((folder / "ancienne.par").string());
    EXPECT_FALSE(b.Enregistrer());
    EXPECT_EQ(b.PartieModifiee, 1);
    EXPECT_EQ(b.NomFichier, "");
}

TEST_F(Board, APointerFarOutsideEveryScreenMovesNothingOutOfRange) {
    auto& b = game(1);
    b.Cam1.setEnabled(true);
    b.game.moving = 1;
    const int left = b.Cam1.left(), top = b.Cam1.top();
    app->userMouseMove(b.ImgFond, 0, 0, 0, 0);
    app->userDrop(b.Cam1, b.ImgFond, 1e12, -1e300);  // back to its square
    EXPECT_EQ(b.Cam1.left(), left);
    EXPECT_EQ(b.Cam1.top(), top);
    ui::Window& scores = app->load("FrmDetailScor");  // dragged by its background far away: stops far away
    platform.advance(500);
    ui::Control& handle = *scores.find("ImgFond");
    app->userMouseDown(handle, ui::kLeftButton, 0, 0, 0);
    app->userMouseMove(handle, ui::kLeftButton, 0, 1e12, -1e12);
    EXPECT_EQ(scores.left(), 1 << 28);
    EXPECT_EQ(scores.top(), -(1 << 28));
}

}  // namespace sv::test
