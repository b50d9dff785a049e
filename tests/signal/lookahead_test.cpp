// The look-ahead line: the linear gain ramp ahead of a peak, the audio delay
// against the reported latency, and what suspend clears.
#include "tests/signal/signal_harness.h"

#include <gtest/gtest.h>

using namespace signaltest;

namespace {

// Index of the only sample of a block that is not silent, or -1.
int soundingSample(const std::vector<float>& out) {
    int found = -1;
    for (int i = 0; i < static_cast<int>(out.size()); ++i) {
        if (out[i] == 0.0f) continue;
        if (found >= 0) return -2;
        found = i;
    }
    return found;
}

struct LatencyCase {
    float lookAhead;
    int audioDelay;
};

} // namespace

TEST(LookAheadRamp, SamplesBeforeAPeakMeetItsGainOnAStraightLine) {
    // T = 0.5012, 2:1, hard knee, L = 5; a quiet carrier makes the gains audible.
    const float carrier = 0.1f;
    Script s = neutralSetting();
    s.param(kThrComp, 12).param(kRatio, 4).param(kLookAhead, 12);
    s.process(join(join(constant(10, carrier), {1.0f}), constant(10, carrier)));
    std::vector<float> out = agreedOutput(s);

    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(out[i], 0.0f) << "delay line still empty at " << i;
    for (int i = 4; i <= 10; ++i)
        EXPECT_EQ(out[i], carrier) << "untouched carrier at " << i;
    EXPECT_NEAR(out[11] / carrier, 0.9375, 0.0015);
    EXPECT_NEAR(out[12] / carrier, 0.875, 0.0015);
    EXPECT_NEAR(out[13] / carrier, 0.8125, 0.0015);
    EXPECT_NEAR(out[14], 0.75, 0.0015) << "the peak leaves four samples late";
    EXPECT_GT(out[14], 0.75f * (1.0f + 1e-5f)) << "with one release increment on top";
}

TEST(LookAheadRamp, LaterSmallerReductionLeavesTheRampAlone) {
    const float carrier = 0.1f;
    Script base = neutralSetting();
    base.param(kThrComp, 12).param(kRatio, 4).param(kLookAhead, 30); // L = 13
    Script bigOnly = base, bigThenSmall = base;
    std::vector<float> lead = join(constant(20, carrier), {1.0f});
    bigOnly.process(join(join(lead, constant(3, carrier)), constant(40, carrier)));
    bigThenSmall.process(
        join(join(lead, constant(3, carrier)), join({0.7f}, constant(39, carrier))));
    std::vector<float> a = agreedOutput(bigOnly), b = agreedOutput(bigThenSmall);
    for (int i = 0; i < 24 + 12; ++i)
        EXPECT_EQ(a[i], b[i]) << i;
}

TEST(LookAheadDelay, ReportedLatencyIsTheAudioDelay) {
    // 11.33 and 999.306 are 5 and 441 times the float divisor: the float quotient
    // is whole where a double one would fall just below.
    const LatencyCase cases[] = {{0.0f, 0},     {2.0f, 0},       {3.0f, 0},
                                 {4.6f, 1},     {11.33f, 4},     {12.0f, 4},
                                 {999.0f, 439}, {999.306f, 440}, {1000.5f, 440}};
    for (const LatencyCase& c : cases) {
        Script s = neutralSetting();
        s.param(kLookAhead, c.lookAhead);
        s.process(join({0.25f}, silence(500)));
        auto plugin = makePlugin();
        Trace trace = replay(*plugin, s.steps);
        EXPECT_EQ(trace[trace.size() - 2].initialDelay, c.audioDelay) << c.lookAhead;
        std::vector<float> out = agreedOutput(s);
        EXPECT_EQ(soundingSample(out), c.audioDelay) << c.lookAhead;
        EXPECT_EQ(out[c.audioDelay], 0.25f) << c.lookAhead;
    }
}

TEST(LookAheadDelay, NormalizedHostValueCountsWholeHundredths) {
    Script s = neutralSetting();
    s.param(kLookAhead, 0.999f);
    s.process(join({0.25f}, silence(500)));
    EXPECT_EQ(soundingSample(agreedOutput(s)), 439);
}

TEST(Suspend, ClearsTheLinesButKeepsTheGains) {
    Script s = neutralSetting();
    s.param(kThrComp, 20).param(kRatio, 6).param(kLookAhead, 999);
    s.process(constant(100, 0.9f));
    s.suspend();
    s.process(constant(600, 0.1f));
    std::vector<float> out = agreedOutput(s);
    for (int i = 100; i < 100 + 439; ++i)
        EXPECT_EQ(out[i], 0.0f) << i;
    EXPECT_GT(out[100 + 439], 0.0f);
    EXPECT_LT(out[100 + 439], 0.1f * 0.9f) << "the compressor gain survived the suspend";
}

TEST(Suspend, WithoutItTheHeldSamplesComeOut) {
    Script s = neutralSetting();
    s.param(kThrComp, 20).param(kRatio, 6).param(kLookAhead, 999);
    s.process(constant(100, 0.9f));
    s.resume();
    s.process(constant(600, 0.1f));
    std::vector<float> out = agreedOutput(s);
    EXPECT_GT(out[100 + 339], 0.1f) << "a held 0.9 sample leaves after the resume";
}
