#include "MonitorSignal.h"
#include "MonitorSweep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(MonitorExample, SweepSpeedInScreenPixels)
{
    // 25 mm/s on a 96 dpi screen: 25 * 96 / 25.4 pixels per second.
    EXPECT_NEAR(monitor::pixelsPerSecond(25, 96), 94.488, 1e-3);
    EXPECT_NEAR(monitor::pixelsPerSecond(50, 254), 500.0, 1e-9);
    // Virtual screens report nonsense resolutions: fall back to 96 dpi.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double dpi : {0.0, -10.0, 1e6, nan})
        EXPECT_NEAR(monitor::pixelsPerSecond(25, dpi), 94.488, 1e-3) << dpi;
    EXPECT_EQ(monitor::pixelsPerSecond(0, 96), 0.0);
    EXPECT_EQ(monitor::pixelsPerSecond(nan, 96), 0.0);
}

TEST(MonitorExample, CursorWrapsAtTheRightEdge)
{
    // 25 mm/s at 254 dpi is 250 px/s: one pixel per sample at 250 Hz.
    monitor::SweepCursor cursor(monitor::pixelsPerSecond(25, 254), monitor::kSampleRate, 100);
    int wraps = 0, samples = 0;
    while (!cursor.advance())
        ++samples;
    ++wraps;
    EXPECT_EQ(samples + 1, 100);
    EXPECT_NEAR(cursor.x(), 0.0, 1e-9);

    // 50 mm/s: two pixels per sample; fractions carry over the wrap.
    cursor.setPixelsPerSecond(monitor::pixelsPerSecond(50, 254) * 1.01);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_GE(cursor.x(), 0.0);
        ASSERT_LT(cursor.x(), 100.0);
        wraps += cursor.advance();
    }
    EXPECT_EQ(wraps, 1 + int(1000 * 2.02 / 100));

    // A step wider than the chart, or a shrinking chart, never leaves the chart.
    cursor.setPixelsPerSecond(1e9);
    EXPECT_TRUE(cursor.advance());
    EXPECT_LT(cursor.x(), 100.0);
    cursor.setWidth(0);
    cursor.advance();
    EXPECT_LT(cursor.x(), 1.0);
}

TEST(MonitorExample, SignalIsDeterministicAndPeriodic)
{
    const double period = 60.0 / monitor::kHeartRate;
    double peak = -1e9, trough = 1e9;
    for (long long i = 0; i < 250; ++i) {
        const double t = monitor::sampleTime(i);
        peak = std::max(peak, monitor::ecgMillivolts(t));
        trough = std::min(trough, monitor::icdMillivolts(t));
        // The same beat shape one period later (up to the slow baseline wander).
        EXPECT_NEAR(monitor::icdMillivolts(t), monitor::icdMillivolts(t + period), 1e-9);
        EXPECT_NEAR(monitor::ecgMillivolts(t), monitor::ecgMillivolts(t + period), 0.06);
    }
    EXPECT_GT(peak, 1.0);    // an R wave of about a millivolt
    EXPECT_LT(trough, -1.5); // and the sharp intracardiac deflection
    EXPECT_TRUE(std::isfinite(monitor::ecgMillivolts(std::numeric_limits<double>::infinity())));
}
