#include "platform/basic/clock.hpp"

#include <gtest/gtest.h>

using namespace kartino::basic;

TEST(FakeClock, GivesLegacyDateAndTimeTexts) {
    FakeClock c({2026, 3, 9, 7, 5, 4, 0});
    EXPECT_EQ(c.date(), "03-09-2026");
    EXPECT_EQ(c.time(), "07:05:04");
    EXPECT_FLOAT_EQ(c.timer(), 7 * 3600 + 5 * 60 + 4);
    c.advance(1500);
    EXPECT_EQ(c.time(), "07:05:05");
    EXPECT_FLOAT_EQ(c.timer(), 7 * 3600 + 5 * 60 + 5.5f);
}

TEST(FakeClock, CrossesMidnightIntoTheNextDay) {
    FakeClock c({2024, 12, 31, 23, 59, 59, 0});
    c.advance(2000);
    EXPECT_EQ(c.date(), "01-01-2025");
    EXPECT_EQ(c.time(), "00:00:01");
    EXPECT_FLOAT_EQ(c.timer(), 1.0f);
    FakeClock leap({2024, 2, 28, 23, 0, 0, 0});
    leap.advance(3600 * 1000);
    EXPECT_EQ(leap.date(), "02-29-2024");
    EXPECT_EQ(leap.monotonicMs(), 3600 * 1000);
}

TEST(RealClock, IsPlausible) {
    RealClock c;
    EXPECT_EQ(c.date().size(), 10u);
    EXPECT_EQ(c.time().size(), 8u);
    float t = c.timer();
    EXPECT_GE(t, 0.0f);
    EXPECT_LT(t, 86400.0f);
    EXPECT_LE(c.monotonicMs(), c.monotonicMs());
}

#include "platform/basic/termination.hpp"

#include <csignal>

TEST(Termination, SignalsAreNotedNotActedOn) {
    installTerminationHandlers();
    clearTerminationRequest();
    EXPECT_FALSE(terminationRequested());
    std::raise(SIGTERM);
    EXPECT_TRUE(terminationRequested());
    clearTerminationRequest();
    std::raise(SIGHUP);
    EXPECT_TRUE(terminationRequested());
    clearTerminationRequest();
}
