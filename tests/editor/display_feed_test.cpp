// One display tick without a window: which pair of extremes is shown, the
// wave column and its history, the meter targets, the RMS cycle and the two
// values fed back into the controls.
#include "editor/display_feed.h"
#include "engine/compressor_effect.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Both pairs alike, as mono processing leaves them.
Extremes mono(float inMax, float inMin, float totalMax, float totalMin, float compMax,
              float compMin) {
    Extremes e{};
    e.inMaxA = e.inMaxB = inMax;
    e.inMinA = e.inMinB = inMin;
    e.totalGainAtMaxA = e.totalGainAtMaxB = totalMax;
    e.totalGainAtMinA = e.totalGainAtMinB = totalMin;
    e.compGainAtMaxA = e.compGainAtMaxB = compMax;
    e.compGainAtMinA = e.compGainAtMinB = compMin;
    return e;
}

// An effect with the editor's state fresh and nothing fed back unless asked.
int updateDisplays = 0;
vst::IntPtr VST_CALL countingHost(AEffect*, vst::Int32 opcode, vst::Int32, vst::IntPtr, void*,
                                  float) {
    updateDisplays += opcode == audioMasterUpdateDisplay;
    return 0;
}

struct Fx {
    Fx() {
        fx.autoRel = 0.0f;
        fx.normalize = 0;
        fx.bypass = 0;
    }
    feed::TickFrame tick() { return feed::advanceDisplay(fx); }
    // Runs ticks on a steady full-scale signal until the bars and the held
    // peaks have settled from their starting values.
    void settleOnFullScale() {
        for (int i = 0; i < 40; ++i) {
            fx.extremes = mono(1.0f, -1.0f, 1, 1, 1, 1);
            tick();
        }
    }
    void emptyBars() {
        fx.editorState.meters.levelA = fx.editorState.meters.levelB = 0;
        fx.editorState.meters.reductionLevel = 0;
    }
    CompressorEffect fx{countingHost};
};

} // namespace

TEST(ChoosingThePair, LargerExcursionThenLargerLimitedPeak) {
    Extremes e = mono(0.5f, -0.8f, 0.9f, 0.5f, 1.0f, 1.0f);
    feed::Peak p = feed::peakOf(feed::pairA(e));
    EXPECT_EQ(p.input, 0.8f) << "the negative excursion is the larger";
    EXPECT_EQ(p.limited, 0.4f);
    EXPECT_FALSE(feed::pairAChosen(e)) << "equal pairs: B";
    e.totalGainAtMinA = 0.6f;
    EXPECT_TRUE(feed::pairAChosen(e));
    e = mono(0.5f, -0.5f, 0.25f, 1.0f, 1.0f, 1.0f);
    EXPECT_EQ(feed::peakOf(feed::pairB(e)).limited, 0.5f) << "a tie goes to the negative side";
}

TEST(WaveColumn, SixIntegersFromThePair) {
    feed::Column c = feed::columnOf(feed::pairA(mono(1.0f, -0.5f, 0.5f, 0.25f, 0.75f, 1.0f)));
    EXPECT_EQ(c.inMax, 32768);
    EXPECT_EQ(c.inMin, -16384);
    EXPECT_EQ(c.limMax, 16384);
    EXPECT_EQ(c.limMin, -4096);
    EXPECT_EQ(c.compMax, 24576);
    EXPECT_EQ(c.compMin, -16384);
    c = feed::columnOf(feed::pairA(mono(0.00002f, -0.00002f, 1, 1, 1, 1)));
    EXPECT_EQ(c.inMax, 0) << "0.655 units truncate to 0";
}

TEST(WaveHistory, RingOf122Columns) {
    WaveHistory h;
    for (int i = 0; i < 123; ++i)
        feed::storeColumn(h, {i, -i, i / 2, -i / 2, i / 3, -i / 3});
    EXPECT_EQ(h.waveRingIndex, 1);
    EXPECT_EQ(h.histInMax[0], 122) << "the 123rd column overwrote the oldest";
    EXPECT_EQ(h.histInMax[1], 1);
    feed::Column c = feed::historyColumn(h, 121);
    EXPECT_EQ(c.inMin, -121);
    EXPECT_EQ(c.limMax, 60);
    EXPECT_EQ(c.compMin, -40);
}

TEST(MeterTargets, ReductionOfTheChosenPairAndLevelsAfterOutputGain) {
    Extremes e = mono(1.0f, -0.2f, 0.5f, 1.0f, 0.7f, 1.0f);
    e.totalGainAtMaxB = 0.25f; // B limits harder: A is shown
    feed::MeterTargets t = feed::meterTargets(e, 1.0f, false);
    EXPECT_EQ(t.reduction, 128) << "6 dB";
    EXPECT_EQ(t.levelA, meter::levelPixels(0.5f));
    EXPECT_EQ(t.levelB, meter::levelPixels(0.25f));
    t = feed::meterTargets(mono(0.5f, 0, 1, 1, 1, 1), 2.0f, false);
    EXPECT_EQ(t.levelA, 193) << "+6 dB of output gain";
    t = feed::meterTargets(mono(1.0f, 0, 1, 1, 1, 1), 2.0f, true);
    EXPECT_EQ(t.levelA, 192);
    EXPECT_EQ(t.levelB, 192);
    t = feed::meterTargets(mono(0.5f, 0, 1, 1, 1, 1), 1.0f, true);
    EXPECT_EQ(t.levelA, meter::levelPixels(0.5f)) << "below the cap: unchanged";
}

TEST(DisplayTick, FullScalePeakWithoutReduction) {
    Fx t;
    t.fx.extremes = mono(1.0f, -1.0f, 1, 1, 1, 1);
    feed::TickFrame f = t.tick();
    EXPECT_EQ(f.levelA, 224) << "the bars start full and fall toward 193";
    EXPECT_EQ(f.levelB, 224);
    EXPECT_EQ(f.reductionLevel, 128);
    EXPECT_EQ(f.levelPeaks.rowA, -1) << "no held peak before the first hold time ends";
    EXPECT_EQ(f.column.inMax, 32768);
    EXPECT_EQ(f.column.limMin, -32768);
    EXPECT_EQ(t.fx.editorState.wave.histInMax[0], 32768);
    EXPECT_EQ(t.fx.editorState.wave.waveRingIndex, 1);
    EXPECT_EQ(t.fx.extremes.inMaxA, 0.0f) << "the extremes are consumed";
    EXPECT_EQ(t.fx.extremes.compGainAtMaxB, 0.0f);
}

TEST(DisplayTick, SteadyLevelAlternatesAndHeldPeakTurnsGreenAtFullScale) {
    Fx t;
    t.settleOnFullScale();
    std::vector<int> levels;
    feed::TickFrame f;
    for (int i = 0; i < 6; ++i) {
        t.fx.extremes = mono(1.0f, -1.0f, 1, 1, 1, 1);
        f = t.tick();
        levels.push_back(f.levelA);
    }
    EXPECT_EQ(levels, (std::vector<int>{192, 193, 192, 193, 192, 193}));
    EXPECT_EQ(f.levelPeaks.rowA, 64) << "window row 77";
    EXPECT_FALSE(f.levelPeaks.redA);
    t.fx.extremes = mono(1.001f, -1.0f, 1, 1, 1, 1);
    f = t.tick();
    EXPECT_TRUE(f.levelPeaks.redA);
}

TEST(DisplayTick, BypassEmptiesBarsAndStoresEmptyColumns) {
    Fx t;
    t.fx.extremes = mono(0.9f, -0.9f, 0.5f, 0.5f, 0.7f, 0.7f);
    t.tick();
    t.fx.bypass = 1;
    t.fx.extremes = mono(0.9f, -0.9f, 0.5f, 0.5f, 0.7f, 0.7f);
    feed::TickFrame f = t.tick();
    EXPECT_TRUE(f.bypass);
    EXPECT_EQ(f.reductionLevel, 0);
    EXPECT_EQ(f.levelA, 0);
    EXPECT_EQ(f.levelB, 0);
    const WaveHistory& h = t.fx.editorState.wave;
    EXPECT_EQ(h.histInMax[0], 29491);
    EXPECT_EQ(h.histInMax[1], 0);
    EXPECT_EQ(h.histCompMin[1], 0);
    EXPECT_EQ(h.waveRingIndex, 2);
}

TEST(DisplayTick, AutoNormalizeStopsTheBarsAt192) {
    Fx t;
    t.fx.normalize = 1;
    t.fx.shownOutputGain = t.fx.outputGain;
    t.emptyBars();
    t.fx.extremes = mono(1.0f, -1.0f, 1, 1, 1, 1);
    EXPECT_EQ(t.tick().levelA, 192);
    t.fx.normalize = 0;
    t.fx.outputRecalcGui = 1; // raised by a limiter change in Auto Normalize mode
    t.fx.extremes = mono(1.0f, -1.0f, 1, 1, 1, 1);
    EXPECT_EQ(t.tick().levelA, 191) << "a steady capped level falls below the cap";
    EXPECT_EQ(t.fx.outputRecalcGui, 0);
    t.fx.extremes = mono(1.0f, -1.0f, 1, 1, 1, 1);
    EXPECT_EQ(t.tick().levelA, 193) << "the flag lowers one tick only";
}

TEST(DisplayTick, RmsEveryTwelfthTickClearsTheSums) {
    Fx t;
    t.fx.sumSquaresA = 0.5f * 4410;
    t.fx.sumSquaresB = 0.25f * 4410;
    t.fx.sumCount = 4410;
    feed::TickFrame f = t.tick();
    EXPECT_TRUE(f.rmsDue);
    EXPECT_EQ(f.rmsText, "0.0 dB");
    EXPECT_EQ(t.fx.sumCount, 0);
    EXPECT_EQ(t.fx.sumSquaresA, 0.0f);
    t.fx.sumSquaresA = 1.0f;
    t.fx.sumCount = 10;
    for (int i = 1; i < 12; ++i)
        EXPECT_FALSE(t.tick().rmsDue) << "tick " << i;
    EXPECT_EQ(t.fx.sumCount, 10) << "the sums grow between readings";
    f = t.tick();
    EXPECT_TRUE(f.rmsDue);
    EXPECT_EQ(f.rmsText, "-7.0 dB") << "an RMS of 0.316 is 7 dB below a full-scale sine";
    f = t.tick();
    EXPECT_FALSE(f.rmsDue);
}

TEST(DisplayTick, AutomaticReleaseShownOnTheRmsTicks) {
    Fx t;
    const std::int16_t release = t.fx.release;
    t.fx.autoRel = 1.0f;
    t.fx.releaseSamples = 9261; // 210 ms at 44.1 kHz
    feed::TickFrame f = t.tick();
    EXPECT_TRUE(f.showRelease);
    EXPECT_FLOAT_EQ(f.releaseMs, 210.0f);
    for (int i = 1; i < 12; ++i)
        EXPECT_FALSE(t.tick().showRelease);
    t.fx.setSampleRate(96000.0f);
    t.fx.releaseSamples = 48000;
    f = t.tick();
    EXPECT_TRUE(f.showRelease);
    EXPECT_FLOAT_EQ(f.releaseMs, 500.0f);
    t.fx.autoRel = 0.5f;
    for (int i = 0; i < 12; ++i)
        EXPECT_FALSE(t.tick().showRelease) << "only when exactly on";
    EXPECT_EQ(t.fx.release, release) << "the parameter is untouched";
}

TEST(DisplayTick, NormalizedOutputGainFedBackOnce) {
    Fx t;
    t.fx.normalize = 1;
    t.fx.outputGain = 0.5f;
    t.fx.shownOutputGain = 1.0f;
    updateDisplays = 0;
    feed::TickFrame f = t.tick();
    ASSERT_TRUE(f.showOutput);
    EXPECT_EQ(updateDisplays, 1) << "the host re-reads Output";
    EXPECT_EQ(t.fx.output, 30020) << "trunc(24000 + 6.0206 * 1000)";
    EXPECT_EQ(f.output, 30020.0f);
    EXPECT_EQ(t.fx.shownOutputGain, 0.5f);
    EXPECT_FALSE(t.tick().showOutput) << "nothing new to show";
    EXPECT_EQ(updateDisplays, 1);
    t.fx.outputGain = 2.0f;
    t.tick();
    EXPECT_EQ(t.fx.output, 17979);
    t.fx.normalize = 0;
    t.fx.outputGain = 1.0f;
    EXPECT_FALSE(t.tick().showOutput) << "only with Auto Normalize on";
    EXPECT_EQ(t.fx.output, 17979);
}

TEST(DisplayTick, ZeroHoldSettingFromTheRegistryHoldsOneTick) {
    Fx t;
    t.fx.settings.peakHoldTicks = 0;
    t.emptyBars();
    t.fx.extremes = mono(1.0f, -1.0f, 1, 1, 1, 1);
    t.tick();
    t.tick(); // silence: the bar falls to 96
    feed::TickFrame f = t.tick();
    EXPECT_EQ(f.levelA, 47);
    EXPECT_EQ(f.levelPeaks.rowA, 257 - 47) << "the held peak follows the bar";
}
