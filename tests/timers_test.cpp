#include "headless_fixture.h"

namespace sv::test {

using Timers = HeadlessFixture;

TEST_F(Timers, FireInTimeOrderAndTiesInArmingOrder) {
    FrmDemo& w = started();
    w.Journal.clear();
    w.TimB.setInterval(300);
    w.TimA.setInterval(300);
    w.TimC.setInterval(100);
    platform.advance(300);
    EXPECT_EQ(w.Journal, "TimC;TimC;TimB;TimA;TimC;");
}

TEST_F(Timers, ArePeriodicUntilDisarmedAndAOneShotHandlerDisarmsItself) {
    FrmDemo& w = started();
    w.onTimA = [&] { w.TimA.setInterval(0); };
    w.TimA.setInterval(250);
    w.TimB.setInterval(250);
    platform.advance(1000);
    EXPECT_EQ(w.Tours[1], 1);
    EXPECT_EQ(w.Tours[2], 4);
    EXPECT_FALSE(w.TimA.armed());
    EXPECT_EQ(platform.nextDue(), 250);
}

TEST_F(Timers, ReArmingRestartsTheCount) {
    FrmDemo& w = started();
    w.TimA.setInterval(1000);
    platform.advance(900);
    w.TimA.setInterval(1000);  // a non-zero interval restarts the count
    platform.advance(900);
    EXPECT_EQ(w.Tours[1], 0);
    platform.advance(100);
    EXPECT_EQ(w.Tours[1], 1);
}

TEST_F(Timers, AHandlerThatArmsAnotherTimerForTheSameMomentRunsItAfterTheEarlierArmed) {
    FrmDemo& w = started();
    w.Journal.clear();
    // At 100 TimA arms TimB for 200; TimC was armed before, for 200 too.
    w.onTimA = [&] {
        w.TimA.setInterval(0);
        w.TimB.setInterval(100);
    };
    w.onTimB = [&] { w.TimB.setInterval(0); };
    w.onTimC = [&] { w.TimC.setInterval(0); };
    w.TimC.setInterval(200);
    w.TimA.setInterval(100);
    platform.advance(500);
    EXPECT_EQ(w.Journal, "TimA;TimC;TimB;");
}

TEST_F(Timers, AHandlerThatDisarmsAnotherDueTimerStopsIt) {
    FrmDemo& w = started();
    w.onTimA = [&] {
        w.TimA.setInterval(0);
        w.TimB.setInterval(0);
    };
    w.TimA.setInterval(100);
    w.TimB.setInterval(100);
    platform.advance(1000);
    EXPECT_EQ(w.Tours[1], 1);
    EXPECT_EQ(w.Tours[2], 0);
}

TEST_F(Timers, StopWhenTheirWindowIsUnloadedAndTheWallClockFollowsVirtualTime) {
    FrmDemo& w = started();
    platform.setClock({2026, 12, 31, 23, 59, 30});
    w.TimA.setInterval(100);
    w.onTimA = [&] { app->unload(w); };
    platform.advance(60000);
    EXPECT_EQ(app->find<FrmDemo>(), nullptr);
    EXPECT_EQ(platform.nextDue(), -1);
    EXPECT_EQ(platform.now(), (ui::DateTime{2027, 1, 1, 0, 0, 30}));
}

}  // namespace sv::test

namespace sv::test {

TEST_F(Timers, APeriodicTimerKeepsItsArmingOrderAmongTimersDueTogether) {
    FrmDemo& w = started();
    w.Journal.clear();
    w.TimA.setInterval(100);  // armed first: due at 100, 200, ...
    w.TimB.setInterval(200);  // armed second: due at 200
    platform.advance(200);
    EXPECT_EQ(w.Journal, "TimA;TimA;TimB;");
}

TEST_F(Timers, TheWallClockKeepsTheMillisecondsOfVirtualTime) {
    started();
    platform.advance(1900);
    platform.setClock({2026, 3, 1, 20, 14, 46});
    platform.advance(13390);
    EXPECT_EQ(platform.now(), (ui::DateTime{2026, 3, 1, 20, 14, 59}));
    platform.advance(610);
    EXPECT_EQ(platform.now(), (ui::DateTime{2026, 3, 1, 20, 15, 0}));
}

}  // namespace sv::test
