// The desktop program itself on the Qt platform: from the start screen through the loading
// window to the board, and out again; its windows as the window system moves them.
#include <gtest/gtest.h>

#include "qt_input.h"

namespace sv::test {

TEST(QtProgram, PlayLoadsTheBoardWhichClosesOnlyWhenNothingWaitsOverItAndQuitsCleanly) {
    SavantoRun run;
    ASSERT_NE(run.start, nullptr);
    auto* play = qobject_cast<QPushButton*>(run.widget(run.start->CmdJouer(1)));
    ASSERT_NE(play, nullptr);
    EXPECT_EQ(play->text(), QStringLiteral("   Jouer..."));
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_EQ(run.m.TypePartie, state::GameType::OnePlayer);
    ASSERT_NE(run.app->find("FrmCharge"), nullptr);
    auto* board = run.shown<board::FrmCSav>();
    ASSERT_NE(board, nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(run.app->find("FrmCharge") == nullptr, 3000);

    // While a window waits over it (here: the best scores), the board does not close.
    click(run.widget(board->LblMeilleurs));
    QTRY_VERIFY_WITH_TIMEOUT(run.app->find("FrmDetailScor") != nullptr, 3000);
    ASSERT_FALSE(board->enabled());
    run.widget(*board)->close();
    EXPECT_EQ(run.app->find<board::FrmCSav>(), board);
    run.app->unload(*run.app->find("FrmDetailScor"));
    // "Quitter" unloads the board inside its own click: the program ends (the sanitizer
    // build checks that nothing touches the board afterwards).
    click(run.widget(board->LblQuit));
    EXPECT_TRUE(run.app->ended());
}

TEST(QtProgram, MovingAWindowWithATitleBarDoesNotHideIt) {
    int hides = 0;  // outlives the run, whose end hides the window
    SavantoRun run;
    ASSERT_NE(run.start, nullptr);
    QWidget* top = run.widget(*run.start);
    QObject::connect(top->windowHandle(), &QWindow::visibleChanged, [&hides](bool shown) { hides += !shown; });
    for (int i = 1; i <= 3; ++i) {
        top->move(top->pos() + QPoint(10, 0));
        QTest::qWait(20);
    }
    run.app->dispatch([&] { run.start->setCaption(run.start->caption() + " "); });
    QTest::qWait(20);
    EXPECT_EQ(hides, 0);
    EXPECT_TRUE(top->isVisible());
}

}  // namespace sv::test
