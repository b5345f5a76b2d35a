// A whole two-side game on the Qt platform, played through the widgets as a person would:
// the start screen, the die, the tokens dragged onto the squares, the questions answered, the
// final question, the end message, the entry and the best-scores window; then quitting, with
// the offer to save answered through the real save dialog and its proposed name.
#include <gtest/gtest.h>

#include "questions/frm_questc.h"
#include "records/frm_detail_scor.h"
#include "ui/files.h"
#include "qt_input.h"

namespace sv::test {

TEST(QtGame, ATwoSideGameFromTheStartScreenToTheBestScores) {
    // Every message box is answered as a player would: "Oui" where asked, else "OK"; file
    // dialogs take the name they propose.
    QStringList messages, dialogs;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&messages, &dialogs] {
        if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()); d && d->isVisible()) {
            dialogs << d->windowTitle();
            QMetaObject::invokeMethod(d, "accept");
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        messages << box->text().replace(QChar(0x00A0), QLatin1Char(' '));
        QAbstractButton* chosen = nullptr;
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == QStringLiteral("Oui") || (!chosen && b->text() == QStringLiteral("OK"))) chosen = b;
        }
        if (chosen) chosen->click();
    });
    answerer.start(30);
    SavantoRun run;
    ASSERT_NE(run.start, nullptr);
    click(run.widget(run.start->Opt2));
    ASSERT_TRUE(run.start->Opt2.value());
    click(run.widget(run.start->CmdJouer(2)));

    auto* shownBoard = run.shown<board::FrmCSav>();
    ASSERT_NE(shownBoard, nullptr);
    board::FrmCSav& board = *shownBoard;
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(messages.first().contains(QStringLiteral("Après tirage aléatoire")));
    const int winner = state::sideNumber(run.m.JQuiJ);
    ASSERT_TRUE(winner == 1 || winner == 2);

    for (int square : {7, 14, 21, 28, 35, 42, 0}) {
        ui::Picture& token = winner == 1 ? board.Cam1 : board.Cam2;
        QTRY_VERIFY_WITH_TIMEOUT(board.enabled() && board.LblLance.enabled(), 5000);
        click(run.widget(board.LblLance));
        QTRY_VERIFY_WITH_TIMEOUT(token.enabled(), 5000);
        drag(run.widget(token), run.widget(board.LB(square)));
        ASSERT_EQ(board.LblCas.caption(), std::to_string(square));
        ASSERT_TRUE(board.LblQuest.enabled());
        if (square == 0) {
            EXPECT_EQ(board.LblN.caption(), "Question finale");
        }
        click(run.widget(board.LblQuest));
        if (square == 0) {
            auto* choice = run.shown<questions::FrmQuestC>();
            ASSERT_NE(choice, nullptr);
            QTRY_VERIFY_WITH_TIMEOUT(!choice->Lbl(0).caption().empty(), 5000);
            click(run.widget(choice->ImgVer));
        }
        auto* question = run.shown<questions::FrmQuest>();
        ASSERT_NE(question, nullptr);
        click(run.widget(question->CmdContinuer));
        click(run.widget(question->CmdOui));
        QTRY_VERIFY_WITH_TIMEOUT(run.app->find<questions::FrmQuest>() == nullptr, 5000);
        if (square != 0) {
            const auto& wedges = winner == 1 ? board.PartJ1 : board.PartJ2;
            QTRY_VERIFY_WITH_TIMEOUT(wedges[static_cast<std::size_t>(board::squareCategory(square))] == 1, 5000);
        }
    }
    auto* scores = run.shown<records::FrmDetailScor>(8000);
    ASSERT_NE(scores, nullptr);
    EXPECT_EQ(board.PartieFinie, 1);
    ASSERT_GE(scores->LST.listCount(), 1);
    const std::string& name = winner == 1 ? run.m.NomJ2 : run.m.NomJ3;
    EXPECT_NE(scores->LST.item(0).find(name), std::string::npos) << scores->LST.item(0);
    auto* list = qobject_cast<QListWidget*>(run.widget(scores->LST));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), scores->LST.listCount());
    EXPECT_TRUE(messages.filter(QStringLiteral("VOUS ENTREZ DANS LES 30")).size() == 1) << messages.join("|").toStdString();
    run.widget(board)->grab().save(QDir::current().filePath(QStringLiteral("qt-game-board.png")));
    run.widget(*scores)->grab().save(QDir::current().filePath(QStringLiteral("qt-game-scores.png")));

    // Quitting offers to save the finished game; "Oui" goes through the save dialog.
    click(run.widget(scores->CmdFerme));
    QTRY_VERIFY_WITH_TIMEOUT(board.enabled(), 3000);
    click(run.widget(board.LblQuit));
    QTRY_VERIFY_WITH_TIMEOUT(run.app->ended(), 5000);
    EXPECT_TRUE(messages.last().startsWith(QStringLiteral("Voulez-vous enregistrer la partie avant de quitter ?")));
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("Enregistrer la partie sous ...")});
    ASSERT_TRUE(std::filesystem::exists(run.folder / "Partie 1.par"));
    EXPECT_EQ(files::readText(run.folder / "Partie 1.par").substr(0, 6), "2\r\n1\r\n");  // two sides, finished
}

}  // namespace sv::test
