#include "headless_fixture.h"

namespace sv::test {

using Lifecycle = HeadlessFixture;

// The unload handler can cancel; an unloaded window's fields are gone; the program ends when the
// last window unloads, even from its own handler.
TEST_F(Lifecycle, WindowsUnloadUnlessTheirHandlerCancelsAndTheLastOneEndsTheProgram) {
    FrmDemo& w = started();
    app->userClick(w.CmdAutre);
    w.Garder = 1;
    w.NbChange = 5;
    app->userClose(w);
    EXPECT_EQ(app->find<FrmDemo>(), &w);
    w.Garder = 0;
    app->userClose(w);
    EXPECT_EQ(app->find<FrmDemo>(), nullptr);
    FrmDemo& again = app->load<FrmDemo>();
    EXPECT_EQ(again.NbChange, 0);
    EXPECT_EQ(app->windows().front()->name(), "FrmAutre");  // loading order
    app->unload(again);
    EXPECT_FALSE(app->ended());
    app->userClick(app->find<FrmAutre>()->CmdFermer);
    EXPECT_TRUE(app->ended());
    EXPECT_TRUE(platform.programHasEnded());
}

TEST_F(Lifecycle, EndingRunsNoUnloadHandlerAndStopsEverything) {
    FrmDemo& w = started();
    w.Garder = 1;  // would cancel an unload
    w.TimA.setInterval(100);
    app->userClick(w.CmdFin);
    EXPECT_TRUE(app->ended());
    EXPECT_TRUE(app->windows().empty());
    EXPECT_EQ(platform.nextDue(), -1);
    EXPECT_THROW(app->load("FrmAutre"), RuntimeError);
}

TEST_F(Lifecycle, AnErrorNoHandlerTrappedIsShownAndTheProgramGoesOn) {
    FrmDemo& w = started();
    w.CmdOk.onClick = [&] { w.LblArr(9).setCaption("x"); };
    app->userClick(w.CmdOk);
    ASSERT_EQ(platform.messageBoxes().size(), 1u);
    EXPECT_EQ(platform.messageBoxes()[0].request.icon, ui::MsgIcon::Critical);
    EXPECT_NE(platform.messageBoxes()[0].request.text.find("340"), std::string::npos);
    EXPECT_FALSE(app->ended());
}

// A box with no queued answer takes its default button; random draws come from the queue, then
// from a fixed seed.
TEST_F(Lifecycle, DialogsAndRandomDrawsAreScripted) {
    ui::MessageBoxSpec request{"?", ui::MsgButtons::YesNoCancel, ui::MsgIcon::Question, "Savanto", 3};
    EXPECT_EQ(ui::HeadlessPlatform::defaultAnswer(request), ui::kMsgCancel);
    platform.queueRandom(0.25);
    EXPECT_EQ(platform.random(), 0.25);
    ui::HeadlessPlatform other;
    const double a = platform.random();
    EXPECT_EQ(a, other.random());
    EXPECT_GE(a, 0.0);
    EXPECT_LT(a, 1.0);
}

TEST(NumberText, NumbersShowAsPlainDecimals) {
    EXPECT_EQ(ui::numberText(53.0), "53");
    EXPECT_EQ(ui::numberText(-1.0), "-1");
    EXPECT_EQ(ui::numberText(12.5), "12.5");
    EXPECT_EQ(ui::numberText(0.00001), "0.00001");
    EXPECT_EQ(ui::numberText(12345678.5), "12345678.5");
}

}  // namespace sv::test
