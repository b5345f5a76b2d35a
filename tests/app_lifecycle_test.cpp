#include "headless_fixture.h"

namespace sv::test {

using Lifecycle = HeadlessFixture;

TEST_F(Lifecycle, WindowsLoadHiddenAndShowWhenTheirStartTimerFires) {
    app->start();
    FrmDemo* w = app->find<FrmDemo>();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->visible());
    platform.advance(99);
    EXPECT_FALSE(w->visible());
    platform.advance(1);
    EXPECT_TRUE(w->visible());
    EXPECT_EQ(demo->Compteur, 1);
}

TEST_F(Lifecycle, TheUnloadHandlerCanCancelTheUnload) {
    FrmDemo& w = started();
    w.Garder = 1;
    app->userClose(w);
    EXPECT_EQ(app->find<FrmDemo>(), &w);
    EXPECT_FALSE(app->ended());
    w.Garder = 0;
    app->userClose(w);
    EXPECT_EQ(app->find<FrmDemo>(), nullptr);
}

TEST_F(Lifecycle, UnloadingDestroysTheFieldsAndReloadingStartsFresh) {
    FrmDemo& w = started();
    app->load("FrmAutre");
    w.NbChange = 5;
    app->unload(w);
    FrmDemo& again = app->load<FrmDemo>();
    EXPECT_EQ(again.NbChange, 0);
    EXPECT_EQ(app->windows().front()->name(), "FrmAutre");  // loading order
}

TEST_F(Lifecycle, TheProgramEndsWhenNoWindowIsLeft) {
    FrmDemo& w = started();
    app->userClick(w.CmdAutre);
    auto* other = app->find<FrmAutre>();
    ASSERT_NE(other, nullptr);
    app->unload(w);
    EXPECT_FALSE(app->ended());
    app->userClick(other->CmdFermer);  // the window unloads itself from its own handler
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

TEST_F(Lifecycle, MessageBoxesTakeQueuedAnswersElseTheirDefaultButton) {
    FrmDemo& w = started();
    platform.queueAnswer(ui::kMsgNo);
    app->userClick(w.CmdOk);
    EXPECT_EQ(w.Reponse, ui::kMsgNo);
    app->userClick(w.CmdOk);
    EXPECT_EQ(w.Reponse, ui::kMsgYes);
    ui::MessageBoxSpec request{"?", ui::MsgButtons::YesNoCancel, ui::MsgIcon::Question, "Savanto", 3};
    EXPECT_EQ(ui::HeadlessPlatform::defaultAnswer(request), ui::kMsgCancel);
    ASSERT_EQ(platform.messageBoxes().size(), 2u);
    EXPECT_EQ(platform.messageBoxes()[0].request.title, "Savanto");
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

TEST_F(Lifecycle, RandomValuesComeFromTheQueueThenFromAFixedSeed) {
    platform.queueRandom(0.25);
    EXPECT_EQ(platform.random(), 0.25);
    ui::HeadlessPlatform other;
    const double a = platform.random();
    EXPECT_EQ(a, other.random());
    EXPECT_GE(a, 0.0);
    EXPECT_LT(a, 1.0);
}

}  // namespace sv::test

namespace sv::test {

TEST(NumberText, NumbersShowAsPlainDecimals) {
    EXPECT_EQ(ui::numberText(53.0), "53");
    EXPECT_EQ(ui::numberText(-1.0), "-1");
    EXPECT_EQ(ui::numberText(12.5), "12.5");
    EXPECT_EQ(ui::numberText(0.00001), "0.00001");
    EXPECT_EQ(ui::numberText(12345678.5), "12345678.5");
}

}  // namespace sv::test
