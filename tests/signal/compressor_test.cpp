// The compressor stage: hard and soft knee, the release curve and the
// automatically chosen release length.
#include "tests/signal/signal_harness.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace signaltest;

namespace {

constexpr int kLead = 10; // silent samples before a test peak

// Threshold near -6 dB (thrComp 12, T = 0.5012), 2:1, no look-ahead, limiter off.
Script halfThresholdTwoToOne(bool soft) {
    Script s = neutralSetting();
    s.param(kThrComp, 12).param(kRatio, 4).param(kSoft, soft ? 1.0f : 0.0f);
    return s;
}

// The gain a single peak gets right away (its target plus one release increment).
float gainOnPeak(bool soft, float peak) {
    Script s = halfThresholdTwoToOne(soft);
    s.process(join(silence(kLead), {peak}));
    return agreedOutput(s)[kLead] / peak;
}

// Compressor gain after a peak, read from a quiet carrier below the threshold.
std::vector<float> gainAfterPeak(Script s, float peak, int samples) {
    const float carrier = 0.25f;
    s.process(join(join(silence(kLead), {peak}), constant(samples, carrier)));
    std::vector<float> out = agreedOutput(s);
    std::vector<float> gain;
    for (int i = kLead + 1; i < static_cast<int>(out.size()); ++i)
        gain.push_back(out[i] / carrier);
    return gain;
}

// Index of the first gain from which on every gain is exactly 1.
int firstUnityFromThenOn(const std::vector<float>& gain) {
    int first = static_cast<int>(gain.size());
    while (first > 0 && gain[first - 1] == 1.0f)
        --first;
    return first;
}

int samplesAt(double ms) {
    return static_cast<int>(std::lround(ms * 44.1)) - 1;
}

} // namespace

TEST(GainComputer, BothKneesGiveThreeQuartersAtFullScale) {
    EXPECT_NEAR(gainOnPeak(false, 1.0f), 0.75, 0.0015);
    EXPECT_NEAR(gainOnPeak(true, 1.0f), 0.75, 0.0015);
    EXPECT_NEAR(gainOnPeak(false, 1.0f), gainOnPeak(true, 1.0f), 1e-6);
}

TEST(GainComputer, SoftKneeCompressesLessJustAboveTheThreshold) {
    EXPECT_NEAR(gainOnPeak(false, 0.6f), 0.9167, 0.0015);
    EXPECT_NEAR(gainOnPeak(true, 0.6f), 0.9722, 0.0015);
}

TEST(GainComputer, LevelExactlyAtTheThresholdDoesNotTrigger) {
    const float threshold = static_cast<float>(std::pow(10.0, 12 / -40.0));
    const float above = std::nextafter(threshold, 2.0f);
    Script s = halfThresholdTwoToOne(false);
    s.process(join(constant(20, threshold), constant(20, -threshold)));
    s.process({above});
    std::vector<float> out = agreedOutput(s);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(out[i], threshold) << i;
    for (int i = 20; i < 40; ++i)
        EXPECT_EQ(out[i], -threshold) << i;
    EXPECT_LT(out[40], above);
}

TEST(GainComputer, OneToOneLeavesLoudSignalsAlone) {
    for (float soft : {0.0f, 1.0f}) {
        Script s = neutralSetting();
        s.param(kThrComp, 20).param(kSoft, soft).param(kThrLim, -400);
        std::vector<float> in = sine(2000, 3.0f, 91.0);
        s.process(in);
        std::vector<float> out = agreedOutput(s);
        for (std::size_t i = 0; i < in.size(); ++i) {
            EXPECT_NEAR(out[i], in[i], 1e-6 * std::fabs(in[i])) << "soft " << soft << " at " << i;
        }
    }
}

TEST(GainComputer, SoftKneeAtFullScaleThresholdHoldsPeaksAtFullScale) {
    Script s = neutralSetting();
    s.param(kSoft, 1).param(kRatio, 8).param(kThrLim, -400);
    s.process(join(silence(kLead), {2.0f}));
    std::vector<float> out = agreedOutput(s);
    EXPECT_NEAR(out[kLead], 1.0f, 2e-4);
}

TEST(ReleaseCurve, FullScalePeakRecoversInAbout271ms) {
    std::vector<float> gain = gainAfterPeak(halfThresholdTwoToOne(false), 1.0f, 13000);
    EXPECT_NEAR(gain[samplesAt(25)], 0.785, 0.002);
    EXPECT_NEAR(gain[samplesAt(50)], 0.817, 0.002);
    EXPECT_NEAR(gain[samplesAt(100)], 0.873, 0.002);
    EXPECT_NEAR(gain[samplesAt(200)], 0.957, 0.002);
    EXPECT_NEAR(gain[samplesAt(250)], 0.988, 0.002);
    EXPECT_NEAR(firstUnityFromThenOn(gain), 11957, 10);
}

TEST(ReleaseCurve, LowerPeakStartsHigherAndRecoversFaster) {
    Script s = halfThresholdTwoToOne(false);
    s.process(join(silence(kLead), {0.6f}));
    EXPECT_NEAR(agreedOutput(s)[kLead] / 0.6f, 0.9167, 0.0015);
    std::vector<float> gain = gainAfterPeak(halfThresholdTwoToOne(false), 0.6f, 12000);
    EXPECT_NEAR(firstUnityFromThenOn(gain), 10056, 10);
}

TEST(ReleaseCurve, RecoveryIsQuickFirstAndSlowsTowardUnity) {
    std::vector<float> gain = gainAfterPeak(halfThresholdTwoToOne(false), 1.0f, 11000);
    float early = gain[1000] - gain[0];
    float late = gain[10999] - gain[10000];
    EXPECT_GT(early, 2 * late);
    EXPECT_GT(late, 0.0f);
}

namespace {

// A peak of 4.0 against T = 1.0 at 3:1 (hard knee) targets a gain of exactly 0.5;
// the limiter is kept out of the way.
Script halfGainTrigger(float sampleRate, float autoRel, float release) {
    Script s = neutralSetting();
    s.rate(sampleRate).param(kRatio, 6).param(kThrLim, -400);
    s.param(kRelease, release).param(kAutoRel, autoRel);
    return s;
}

// Two blocks, each with a peak followed by its recovery.
std::vector<float> peaksThenRecovery(Script s, float secondPeak) {
    s.process(join(join(silence(kLead), {4.0f}), constant(3000, 0.5f)));
    s.process(join({secondPeak}, constant(20000, 0.5f)));
    return agreedOutput(s);
}

} // namespace

TEST(AutomaticRelease, HalfGainTriggerReleasesOver210ms) {
    std::vector<float> automatic = peaksThenRecovery(halfGainTrigger(44100, 1, 250), 4.0f);
    EXPECT_EQ(automatic, peaksThenRecovery(halfGainTrigger(44100, 0, 210), 4.0f));
    EXPECT_NE(automatic, peaksThenRecovery(halfGainTrigger(44100, 0, 211), 4.0f));

    model::Compressor* fx = nullptr;
    auto target = makeModel(&fx);
    Script s = halfGainTrigger(44100, 1, 250);
    s.process(join(silence(kLead), {4.0f}));
    replay(*target, s.steps);
    EXPECT_EQ(fx->parameters().releaseSamples, 9261);
}

TEST(AutomaticRelease, LengthOutlastsSwitchingAutoOff) {
    Script s = halfGainTrigger(44100, 1, 250);
    s.process(join(join(silence(kLead), {4.0f}), constant(3000, 0.5f)));
    s.param(kAutoRel, 0);
    s.process(join({3.0f}, constant(20000, 0.5f)));
    EXPECT_EQ(agreedOutput(s), peaksThenRecovery(halfGainTrigger(44100, 0, 210), 3.0f));
}

TEST(AutomaticRelease, FollowsTheSampleRate) {
    std::vector<float> automatic = peaksThenRecovery(halfGainTrigger(88200, 1, 250), 4.0f);
    EXPECT_EQ(automatic, peaksThenRecovery(halfGainTrigger(88200, 0, 210), 4.0f));
    EXPECT_NE(automatic, peaksThenRecovery(halfGainTrigger(44100, 0, 210), 4.0f));
}
