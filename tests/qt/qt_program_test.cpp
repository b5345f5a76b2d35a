// The desktop program itself on the Qt platform: the start screen opens and "Jouer" leads
// through the loading window to the board.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <random>

#include "board/frm_csav.h"
#include "screens/frm_bdema.h"
#include "screens/program.h"
#include "ui/app.h"
#include "ui/qt/qt_platform.h"
#include "temp_folder.h"

namespace sv::test {
namespace fs = std::filesystem;

TEST(QtProgram, TheStartScreenLeadsThroughTheLoadingWindowToTheBoard) {
    const fs::path folder = makeTempFolder("savanto-qtprog-", SAVANTO_ASSET_DIR);
    {
        ui::QtPlatform platform(QStringLiteral("savanto-qtprog-") + QString::number(std::random_device{}()));
        auto program = std::make_unique<SavantoProgram>();
        state::Module& m = program->module();
        ui::App app(platform, std::move(program), folder.string() + "/");
        platform.attach(&app);
        app.start();
        auto* start = app.find<screens::FrmBDema>();
        ASSERT_NE(start, nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(start->visible(), 2000);
        QWidget* window = platform.widgetFor(*start);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        auto* play = qobject_cast<QPushButton*>(platform.widgetFor(start->CmdJouer(1)));
        ASSERT_NE(play, nullptr);
        EXPECT_EQ(play->text(), QStringLiteral("   Jouer..."));
        QTest::mouseClick(play, Qt::LeftButton);
        EXPECT_EQ(m.TypePartie, state::GameType::OnePlayer);
        ASSERT_NE(app.find("FrmCharge"), nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(app.find("FrmCSav") != nullptr, 3000);
        EXPECT_EQ(m.TabArt[1].Reponse, "Un alexandrin");
        QTRY_VERIFY_WITH_TIMEOUT(app.find("FrmCharge") == nullptr, 3000);
        app.end();
    }
    removeFolder(folder);
}

}  // namespace sv::test

namespace sv::test {

namespace {

struct ShowCounter : QObject {
    int shows = 0, hides = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show) ++shows;
        if (e->type() == QEvent::Hide) ++hides;
        return false;
    }
};

void press(QWidget* w) {
    const QPoint c = w->rect().center();
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(c), QPointF(w->mapToGlobal(c)), Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(c), QPointF(w->mapToGlobal(c)), Qt::LeftButton, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(w, &up);
}

// The real program on the Qt platform, in a folder of its own.
struct QtRun {
    fs::path folder = makeTempFolder("savanto-qtrun-", SAVANTO_ASSET_DIR);
    std::unique_ptr<ui::QtPlatform> platform;
    std::unique_ptr<ui::App> app;
    state::Module* m = nullptr;
    QtRun() {
        platform = std::make_unique<ui::QtPlatform>(QStringLiteral("savanto-qtrun-") + QString::number(std::random_device{}()));
        auto program = std::make_unique<SavantoProgram>();
        m = &program->module();
        app = std::make_unique<ui::App>(*platform, std::move(program), folder.string() + "/");
        platform->attach(app.get());
        app->start();
    }
    ~QtRun() {
        app.reset();
        platform.reset();
        removeFolder(folder);
    }
};

}  // namespace

TEST(QtProgram, TypingInTheMiddleOfANameKeepsTheCaretThere) {
    QtRun run;
    auto* start = run.app->find<screens::FrmBDema>();
    QTRY_VERIFY_WITH_TIMEOUT(start->visible(), 3000);
    auto* edit = qobject_cast<QLineEdit*>(run.platform->widgetFor(start->TxtJ1));
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, QStringLiteral("Ale"));
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClicks(edit, QStringLiteral("ic"));
    EXPECT_EQ(start->TxtJ1.text(), "Alice");
    EXPECT_EQ(edit->text(), QStringLiteral("Alice"));
    EXPECT_EQ(edit->cursorPosition(), 4);
}

TEST(QtProgram, MovingAWindowWithATitleBarDoesNotHideIt) {
    QtRun run;
    auto* start = run.app->find<screens::FrmBDema>();
    QTRY_VERIFY_WITH_TIMEOUT(start->visible(), 3000);
    QWidget* top = run.platform->widgetFor(*start);
    ShowCounter counter;
    top->installEventFilter(&counter);
    for (int i = 1; i <= 3; ++i) {
        top->move(top->pos() + QPoint(10, 0));
        QTest::qWait(20);
    }
    run.app->dispatch([&] { start->setCaption(start->caption() + " "); });
    QTest::qWait(20);
    EXPECT_EQ(counter.hides, 0);
    EXPECT_TRUE(top->isVisible());
}

TEST(QtProgram, QuittingFromTheBoardEndsCleanlyAndADisabledBoardCannotBeClosed) {
    QtRun run;
    auto* start = run.app->find<screens::FrmBDema>();
    QTRY_VERIFY_WITH_TIMEOUT(start->visible(), 3000);
    QTest::mouseClick(qobject_cast<QPushButton*>(run.platform->widgetFor(start->CmdJouer(1))), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(run.app->find<board::FrmCSav>() && run.app->find<board::FrmCSav>()->visible(), 5000);
    auto& board = *run.app->find<board::FrmCSav>();
    // While a window waits over it (here: the best scores), the board does not close.
    press(run.platform->widgetFor(board.LblMeilleurs));
    QTRY_VERIFY_WITH_TIMEOUT(run.app->find("FrmDetailScor") != nullptr, 3000);
    ASSERT_FALSE(board.enabled());
    run.platform->widgetFor(board)->close();
    EXPECT_EQ(run.app->find<board::FrmCSav>(), &board);
    run.app->unload(*run.app->find("FrmDetailScor"));
    // "Quitter" unloads the board inside its own click: the program ends (the sanitizer
    // build checks that nothing touches the board afterwards).
    press(run.platform->widgetFor(board.LblQuit));
    EXPECT_TRUE(run.app->ended());
}

}  // namespace sv::test
