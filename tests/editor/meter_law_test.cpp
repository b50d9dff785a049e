// The meters' laws: pixels for levels and reductions, the bars' fall, the
// held peaks and the RMS readout.
#include "editor/meter_law.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

float decibels(double db) {
    return static_cast<float>(std::pow(10.0, db / 20.0));
}

// Mean square of a full-scale sine summed over whole periods, in floats.
float sineSumOfSquares(int samples, double period) {
    float sum = 0.0f;
    for (int i = 0; i < samples; ++i) {
        float s = static_cast<float>(std::sin(2 * 3.14159265358979 * i / period));
        sum += s * s;
    }
    return sum;
}

} // namespace

TEST(LevelLaw, ScaleMarksOfTheBackgroundMatchTheLaw) {
    // The level meters' scale marks 0, -3, -6, -12 dB sit at window rows 77,
    // 109, 141, 205; a bar's top row is 270 - pixels.
    EXPECT_EQ(meter::levelPixels(1.0f), 193);
    EXPECT_EQ(270 - meter::levelPixels(decibels(-3)), 109);
    EXPECT_EQ(270 - meter::levelPixels(decibels(-6)), 141);
    EXPECT_EQ(270 - meter::levelPixels(decibels(-12)), 205);
    EXPECT_EQ(meter::levelPixels(1.0001f), 194) << "just above full scale";
    EXPECT_EQ(meter::levelPixels(0.9999f), 193);
}

TEST(LevelLaw, EndsOfTheBar) {
    EXPECT_EQ(meter::levelPixels(0.0f), 0) << "silence: log of zero";
    EXPECT_EQ(meter::levelPixels(-0.5f), 0) << "no logarithm of a negative peak";
    EXPECT_EQ(meter::levelPixels(decibels(-18.3)), 0) << "below the bottom";
    EXPECT_EQ(meter::levelPixels(decibels(-18.0)), 1);
    EXPECT_EQ(meter::levelPixels(decibels(5.7)), 254);
    EXPECT_EQ(meter::levelPixels(decibels(5.9)), 256);
    EXPECT_EQ(meter::levelPixels(100.0f), 256);
    EXPECT_EQ(meter::levelPixels(INFINITY), 0) << "not a finite level";
}

TEST(ReductionLaw, PixelsPerDecibelAndLimits) {
    EXPECT_EQ(meter::reductionPixels(0.8f, 0.8f), 0) << "no reduction";
    EXPECT_EQ(meter::reductionPixels(1.0f, 0.5f), 128) << "6.02 dB";
    EXPECT_EQ(meter::reductionPixels(1.0f, decibels(-9.5)), 202);
    EXPECT_EQ(meter::reductionPixels(1.0f, decibels(-12.1)), 256) << "past 12 dB the bar is full";
    EXPECT_EQ(meter::reductionPixels(0.5f, 1.0f), 0) << "a gain above 1 shows no reduction";
    EXPECT_EQ(meter::reductionPixels(1.0f, 0.0f), 0) << "an infinite ratio";
    EXPECT_EQ(meter::reductionPixels(0.0f, 0.0f), 0) << "silence: 0 / 0";
}

TEST(Ballistics, JumpsUpAndFallsHalfWayAtLeastOnePixel) {
    EXPECT_EQ(meter::follow(10, 150), 150);
    EXPECT_EQ(meter::follow(200, 0), 99);
    EXPECT_EQ(meter::follow(5, 0), 2) << "half of 5 truncates to 2, plus one";
    EXPECT_EQ(meter::follow(1, 0), 0);
    EXPECT_EQ(meter::follow(0, 0), 0) << "never below 0";
    EXPECT_EQ(meter::follow(257, 0), 128) << "the reduction bar's starting value";
}

TEST(Ballistics, SteadyLevelAlternatesBetweenTargetAndOneLess) {
    int shown = 0;
    std::vector<int> seen;
    for (int tick = 0; tick < 5; ++tick) {
        shown = meter::follow(shown, 120);
        seen.push_back(shown);
    }
    EXPECT_EQ(seen, (std::vector<int>{120, 119, 120, 119, 120}));
}

TEST(Ballistics, SilenceEmptiesAFullBarWithinAFewTicks) {
    int shown = 256, ticks = 0;
    while (shown > 0 && ticks < 20) {
        shown = meter::follow(shown, 0);
        ++ticks;
    }
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(ticks, 8);
}

TEST(PeakHold, ReductionPeakHoldsThenFollows) {
    MeterState m;
    m.reductionHold = 0;
    m.reductionLevel = 100;
    EXPECT_EQ(meter::holdReductionPeak(m, 4), 100) << "a new peak: the line at the bar's end";
    m.reductionLevel = 20;
    EXPECT_EQ(meter::holdReductionPeak(m, 4), 100);
    EXPECT_EQ(meter::holdReductionPeak(m, 4), 100);
    EXPECT_EQ(meter::holdReductionPeak(m, 4), 100);
    EXPECT_EQ(m.reductionHold, 0) << "held for four ticks";
    EXPECT_EQ(meter::holdReductionPeak(m, 4), 20) << "then it drops to the bar";
    m.reductionLevel = 0;
    m.reductionHold = 0;
    EXPECT_EQ(meter::holdReductionPeak(m, 4), -1) << "no line on the meter's top edge, row 13";
    m.reductionLevel = 1;
    EXPECT_EQ(meter::holdReductionPeak(m, 4), 1);
}

TEST(PeakHold, ReductionPeakStartsOffTheMeterUntilTheHoldEnds) {
    MeterState m; // peak row 270, hold 1
    m.reductionLevel = 100;
    for (int tick = 1; tick < 32; ++tick)
        ASSERT_EQ(meter::holdReductionPeak(m, 32), -1) << "tick " << tick;
    EXPECT_EQ(meter::holdReductionPeak(m, 32), 100);
}

TEST(PeakHold, LevelBarsShareOneHoldCounter) {
    MeterState m;
    m.levelHold = 0;
    m.levelA = 150;
    m.levelB = 100;
    meter::LevelPeakLines l = meter::holdLevelPeaks(m, 32);
    EXPECT_EQ(l.rowA, 257 - 150);
    EXPECT_EQ(l.rowB, 257 - 100);
    m.levelA = 50;
    m.levelB = 180; // B's new peak restarts the shared counter
    l = meter::holdLevelPeaks(m, 32);
    EXPECT_EQ(l.rowA, 257 - 150) << "A was looked at before B's peak arrived";
    EXPECT_EQ(l.rowB, 257 - 180);
    m.levelA = 200; // A's new peak: B follows its current level at once
    m.levelB = 10;
    l = meter::holdLevelPeaks(m, 32);
    EXPECT_EQ(l.rowA, 257 - 200);
    EXPECT_EQ(l.rowB, 257 - 10);
}

TEST(PeakHold, RedAboveFullScaleGreenAtIt) {
    MeterState m;
    m.levelHold = 0;
    m.levelA = 193; // 0 dBFS: row 77
    m.levelB = 194;
    meter::LevelPeakLines l = meter::holdLevelPeaks(m, 32);
    EXPECT_FALSE(l.redA);
    EXPECT_TRUE(l.redB);
    EXPECT_EQ(l.rowA + 13, 77);
}

TEST(PeakHold, ZeroOrNegativeHoldTimeHoldsForOneTick) {
    for (std::int32_t setting : {0, -7}) {
        MeterState m;
        m.levelHold = 0;
        m.reductionHold = 0;
        m.levelA = m.levelB = 200;
        m.reductionLevel = 200;
        meter::holdLevelPeaks(m, setting);
        meter::holdReductionPeak(m, setting);
        EXPECT_EQ(m.levelHold, 0);
        m.levelA = m.levelB = 40;
        m.reductionLevel = 30;
        EXPECT_EQ(meter::holdLevelPeaks(m, setting).rowA, 257 - 40) << setting;
        EXPECT_EQ(meter::holdReductionPeak(m, setting), 30) << setting;
    }
    EXPECT_EQ(meter::holdTicks(240), 240);
}

TEST(RmsReadout, SineSquareAndSilence) {
    float sine = sineSumOfSquares(44100, 100.0);
    EXPECT_EQ(meter::rmsText(sine, 0.0f, 44100, -99.9), "0.0 dB");
    EXPECT_EQ(meter::rmsText(0.0f, 44100.0f, 44100, -99.9), "3.0 dB") << "full-scale square";
    EXPECT_EQ(meter::rmsText(sine / 4, sine / 100, 44100, -99.9), "-6.0 dB") << "the larger sum";
    EXPECT_EQ(meter::rmsText(0.0f, 0.0f, 4410, -99.9), "-INF");
    EXPECT_EQ(meter::rmsText(1.0f, 1.0f, 0, -99.9), "-INF") << "no samples";
}

TEST(RmsReadout, ThresholdOfTickAndPaint) {
    // A square of 6e-6 of full scale reads about -101.4 dB: below both thresholds.
    float quiet = 1000 * 6e-6f * 6e-6f;
    EXPECT_EQ(meter::rmsText(quiet, 0.0f, 1000, -99.9), "-INF");
    // Between the tick's -99.9 and the paint's -99.999.
    float edge = 1000 * std::pow(10.0f, (-99.93f + 87.298f) / 10.0f) / (32768.0f * 32768.0f);
    EXPECT_EQ(meter::rmsText(edge, 0.0f, 1000, -99.9), "-INF");
    EXPECT_EQ(meter::rmsText(edge, 0.0f, 1000, -99.999), "-99.9 dB");
}
