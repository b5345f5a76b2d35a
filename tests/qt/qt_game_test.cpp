// A whole two-side game on the Qt platform, played through the widgets as a person would:
// the start screen, the die, the tokens dragged onto the squares, the questions answered, the
// final question, the end message, the entry and the best-scores window; then quitting, with
// the offer to save answered through the real save dialog and its proposed name.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <random>

#include "board/board_model.h"
#include "board/frm_csav.h"
#include "questions/frm_quest.h"
#include "questions/frm_questc.h"
#include "records/frm_detail_scor.h"
#include "screens/frm_bdema.h"
#include "screens/program.h"
#include "ui/app.h"
#include "ui/files.h"
#include "ui/qt/qt_platform.h"
#include "qt_input.h"
#include "temp_folder.h"

namespace sv::test {
namespace fs = std::filesystem;

namespace {

void clickWidget(QWidget* w) {
    ASSERT_NE(w, nullptr);
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
        return;
    }
    const QPoint c = w->rect().center();
    send(w, QEvent::MouseButtonPress, c, Qt::LeftButton, Qt::LeftButton);
    send(w, QEvent::MouseButtonRelease, c, Qt::LeftButton, Qt::NoButton);
}

void dragWidget(QWidget* piece, QWidget* target) {
    const QPoint start = piece->rect().center();
    const QPoint aim = piece->mapFromGlobal(target->mapToGlobal(target->rect().center()));
    send(piece, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    send(piece, QEvent::MouseMove, start + QPoint(12, 12), Qt::NoButton, Qt::LeftButton);
    send(piece, QEvent::MouseMove, aim, Qt::NoButton, Qt::LeftButton);
    send(piece, QEvent::MouseButtonRelease, aim, Qt::LeftButton, Qt::NoButton);
}

}  // namespace

TEST(QtGame, ATwoSideGameFromTheStartScreenToTheBestScores) {
    const fs::path folder = makeTempFolder("savanto-qtgame-", SAVANTO_ASSET_DIR);
    {
        ui::QtPlatform platform(QStringLiteral("savanto-qtgame-") + QString::number(std::random_device{}()));
        auto program = std::make_unique<SavantoProgram>();
        state::Module& m = program->module();
        ui::App app(platform, std::move(program), folder.string() + "/");
        platform.attach(&app);

        // Every message box is answered as a player would: "Oui" where asked, else "OK".
        QStringList messages;
        QTimer answerer;
        // File dialogs take the name they propose.
        QStringList dialogs;
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

        app.start();
        auto* start = app.find<screens::FrmBDema>();
        ASSERT_NE(start, nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(start->visible(), 3000);
        clickWidget(platform.widgetFor(start->Opt2));
        ASSERT_TRUE(start->Opt2.value());
        clickWidget(platform.widgetFor(start->CmdJouer(2)));

        QTRY_VERIFY_WITH_TIMEOUT(app.find<board::FrmCSav>() && app.find<board::FrmCSav>()->visible(), 5000);
        auto& board = *app.find<board::FrmCSav>();
        ASSERT_FALSE(messages.isEmpty());
        EXPECT_TRUE(messages.first().contains(QStringLiteral("Après tirage aléatoire")));
        const int winner = state::sideNumber(m.JQuiJ);
        ASSERT_TRUE(winner == 1 || winner == 2);

        for (int square : {7, 14, 21, 28, 35, 42, 0}) {
            ui::Picture& token = winner == 1 ? board.Cam1 : board.Cam2;
            QTRY_VERIFY_WITH_TIMEOUT(board.enabled() && board.LblLance.enabled(), 5000);
            clickWidget(platform.widgetFor(board.LblLance));
            QTRY_VERIFY_WITH_TIMEOUT(token.enabled(), 5000);
            dragWidget(platform.widgetFor(token), platform.widgetFor(board.LB(square)));
            ASSERT_EQ(board.LblCas.caption(), std::to_string(square));
            ASSERT_TRUE(board.LblQuest.enabled());
            if (square == 0) {
                ASSERT_EQ(board.LblN.caption(), "Question finale");
                platform.widgetFor(board)->grab().save(QDir::current().filePath(QStringLiteral("qt-game-final.png")));
            }
            clickWidget(platform.widgetFor(board.LblQuest));
            if (square == 0) {
                QTRY_VERIFY_WITH_TIMEOUT(app.find<questions::FrmQuestC>() && app.find<questions::FrmQuestC>()->visible(),
                                         5000);
                auto& choice = *app.find<questions::FrmQuestC>();
                QTRY_VERIFY_WITH_TIMEOUT(!choice.Lbl(0).caption().empty(), 5000);
                platform.widgetFor(choice)->grab().save(QDir::current().filePath(QStringLiteral("qt-game-choice.png")));
                clickWidget(platform.widgetFor(choice.ImgVer));
            }
            QTRY_VERIFY_WITH_TIMEOUT(app.find<questions::FrmQuest>() && app.find<questions::FrmQuest>()->visible(), 5000);
            auto& question = *app.find<questions::FrmQuest>();
            if (square == 7) {
                platform.widgetFor(question)->grab().save(QDir::current().filePath(QStringLiteral("qt-game-question.png")));
            }
            clickWidget(platform.widgetFor(question.CmdContinuer));
            clickWidget(platform.widgetFor(question.CmdOui));
            QTRY_VERIFY_WITH_TIMEOUT(app.find<questions::FrmQuest>() == nullptr, 5000);
            if (square != 0) {
                QTRY_VERIFY_WITH_TIMEOUT((winner == 1 ? board.PartJ1 : board.PartJ2)[static_cast<std::size_t>(
                                             board::squareCategory(square))] == 1,
                                         5000);
            }
        }
        QTRY_VERIFY_WITH_TIMEOUT(app.find<records::FrmDetailScor>() && app.find<records::FrmDetailScor>()->visible(),
                                 8000);
        EXPECT_EQ(board.PartieFinie, 1);
        const auto& scores = *app.find<records::FrmDetailScor>();
        ASSERT_GE(scores.LST.listCount(), 1);
        const std::string& name = winner == 1 ? m.NomJ2 : m.NomJ3;
        EXPECT_NE(scores.LST.item(0).find(name), std::string::npos) << scores.LST.item(0);
        auto* list = qobject_cast<QListWidget*>(platform.widgetFor(scores.LST));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->count(), scores.LST.listCount());
        bool ended = false;
        for (const QString& text : messages) ended = ended || text.contains(QStringLiteral("VOUS ENTREZ DANS LES 30"));
        EXPECT_TRUE(ended);
        platform.widgetFor(board)->grab().save(QDir::current().filePath(QStringLiteral("qt-game-board.png")));
        platform.widgetFor(scores)->grab().save(QDir::current().filePath(QStringLiteral("qt-game-scores.png")));

        // Quitting offers to save the finished game; "Oui" goes through the save dialog.
        clickWidget(platform.widgetFor(scores.CmdFerme));
        QTRY_VERIFY_WITH_TIMEOUT(board.enabled(), 3000);
        clickWidget(platform.widgetFor(board.LblQuit));
        QTRY_VERIFY_WITH_TIMEOUT(app.ended(), 5000);
        EXPECT_TRUE(messages.last().startsWith(QStringLiteral("Voulez-vous enregistrer la partie avant de quitter ?")));
        EXPECT_EQ(dialogs, QStringList{QStringLiteral("Enregistrer la partie sous ...")});
        ASSERT_TRUE(fs::exists(folder / "Partie 1.par"));
        EXPECT_EQ(files::readText(folder / "Partie 1.par").substr(0, 6), "2\r\n1\r\n");  // two sides, finished
        app.end();
    }
    removeFolder(folder);
}

}  // namespace sv::test
