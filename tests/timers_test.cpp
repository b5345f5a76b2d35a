#include "headless_fixture.h"

namespace sv::test {

using Timers = HeadlessFixture;

// Timers fire in time order; timers due together fire in the order they were first armed, a
// periodic timer keeping its place.
TEST_F(Timers, FireInTimeOrderAndTiesInArmingOrder) {
    FrmDemo& w = started();
    w.Journal.clear();
    w.TimB.setInterval(300);
    w.TimA.setInterval(100);
    w.TimC.setInterval(300);
    platform.advance(300);
    EXPECT_EQ(w.Journal, "TimA;TimA;TimB;TimA;TimC;");
}

TEST_F(Timers, ArePeriodicUntilDisarmedAndReArmingRestartsTheCount) {
    FrmDemo& w = started();
    w.onTim[1] = [&] { w.TimA.setInterval(0); };
    w.TimA.setInterval(250);
    w.TimB.setInterval(250);
    w.TimC.setInterval(1000);
    platform.advance(900);
    w.TimC.setInterval(1000);  // a non-zero interval restarts the count
    platform.advance(100);
    EXPECT_EQ(w.Tours[1], 1);
    EXPECT_FALSE(w.TimA.armed());
    EXPECT_EQ(w.Tours[2], 4);
    EXPECT_EQ(w.Tours[3], 0);
    EXPECT_EQ(platform.nextDue(), 250);
    platform.advance(800);
    EXPECT_EQ(w.Tours[3], 0);
    platform.advance(100);
    EXPECT_EQ(w.Tours[3], 1);
}

TEST_F(Timers, AHandlerThatArmsAnotherTimerForTheSameMomentRunsItAfterTheEarlierArmed) {
    FrmDemo& w = started();
    w.Journal.clear();
    // At 100 TimA arms TimB for 200; TimC was armed before, for 200 too.
    w.onTim[1] = [&] {
        w.TimA.setInterval(0);
        w.TimB.setInterval(100);
    };
    w.onTim[2] = [&] { w.TimB.setInterval(0); };
    w.onTim[3] = [&] { w.TimC.setInterval(0); };
    w.TimC.setInterval(200);
    w.TimA.setInterval(100);
    platform.advance(500);
    EXPECT_EQ(w.Journal, "TimA;TimC;TimB;");
}

TEST_F(Timers, AHandlerThatDisarmsAnotherDueTimerStopsIt) {
    FrmDemo& w = started();
    w.onTim[1] = [&] {
        w.TimA.setInterval(0);
        w.TimB.setInterval(0);
    };
    w.TimA.setInterval(100);
    w.TimB.setInterval(100);
    platform.advance(1000);
    EXPECT_EQ(w.Tours[1], 1);
    EXPECT_EQ(w.Tours[2], 0);
}

TEST_F(Timers, StopWhenTheirWindowIsUnloaded) {
    FrmDemo& w = started();
    w.TimA.setInterval(100);
    w.onTim[1] = [&] { app->unload(w); };
    platform.advance(60000);
    EXPECT_EQ(app->find<FrmDemo>(), nullptr);
    EXPECT_EQ(platform.nextDue(), -1);
}

// The wall clock follows virtual time across the year's end and keeps its milliseconds when set.
TEST_F(Timers, TheWallClockFollowsVirtualTimeToTheMillisecond) {
    started();
    platform.setClock({2026, 12, 31, 23, 59, 30});
    platform.advance(60000);
    EXPECT_EQ(platform.now(), (ui::DateTime{2027, 1, 1, 0, 0, 30}));
    platform.advance(1900);
    platform.setClock({2026, 3, 1, 20, 14, 46});
    platform.advance(13390);
    EXPECT_EQ(platform.now(), (ui::DateTime{2026, 3, 1, 20, 14, 59}));
    platform.advance(610);
    EXPECT_EQ(platform.now(), (ui::DateTime{2026, 3, 1, 20, 15, 0}));
}

}  // namespace sv::test
