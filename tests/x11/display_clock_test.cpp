// The display timers: each speed ticks at its own period, and a late look
// gives one tick, not the ones missed, as window timers do.
#include "editor/x11/display_clock.h"

#include <gtest/gtest.h>

TEST(DisplayClock, EachSpeedTicksAtItsPeriodAndOnceWhenLate) {
    for (std::int32_t speed = 1; speed <= 3; ++speed) {
        const DisplayClock::Ms period = DisplayClock::kPeriods[speed - 1];
        DisplayClock clock;
        clock.start(1000);
        EXPECT_FALSE(clock.tickDue(1000 + period - 1, speed)) << "speed " << speed;
        EXPECT_TRUE(clock.tickDue(1000 + period, speed)) << "speed " << speed;
        EXPECT_FALSE(clock.tickDue(1000 + period, speed)) << "speed " << speed;
        EXPECT_TRUE(clock.tickDue(1000 + 10 * period, speed)) << "speed " << speed;
        EXPECT_FALSE(clock.tickDue(1000 + 10 * period + 1, speed)) << "speed " << speed;
        EXPECT_TRUE(clock.tickDue(1000 + 11 * period, speed)) << "speed " << speed;
    }
}

TEST(DisplayClock, ASpeedWithoutTimerNeverTicks) {
    DisplayClock clock;
    clock.start(0);
    for (DisplayClock::Ms now = 0; now < 2000; now += 50)
        EXPECT_FALSE(clock.tickDue(now, 0));
}
