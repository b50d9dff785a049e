// The stages after the compressor: limiter, Auto Normalize, dither and bypass.
#include "tests/signal/signal_harness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace signaltest;

namespace {

constexpr float kCeiling = 0.99995f;

float limiterThreshold(int thrLim) {
    return static_cast<float>(std::pow(10.0, thrLim / -40.0));
}

// Limiter at -6 dB (thrLim 12) with nothing else acting.
Script limiterAlone() {
    Script s = neutralSetting();
    s.param(kThrLim, 12);
    return s;
}

// Samples after a peak until the limiter has let go of a quiet carrier.
int limiterRecovery(float sampleRate, float peak) {
    Script s = limiterAlone();
    s.rate(sampleRate);
    s.process(join(join(silence(10), {peak}), constant(3000, 0.1f)));
    std::vector<float> out = agreedOutput(s);
    int first = static_cast<int>(out.size());
    while (out[first - 1] == 0.1f)
        --first;
    return first - 10;
}

Script normalizing() {
    Script s = neutralSetting();
    s.param(kNormalize, 1);
    return s;
}

} // namespace

TEST(Limiter, FullScaleSampleLeavesExactlyAtTheThreshold) {
    Script s = limiterAlone();
    s.process(join(silence(10), {1.0f, -1.0f}));
    std::vector<float> out = agreedOutput(s);
    EXPECT_EQ(out[10], limiterThreshold(12));
    EXPECT_EQ(out[11], -limiterThreshold(12)) << "the pending increment makes it retrigger";
}

TEST(Limiter, RisingRunLeavesEverySampleAtTheThreshold) {
    std::vector<float> run;
    for (int k = 0; k < 60; ++k)
        run.push_back(0.6f + 0.005f * k);
    Script s = limiterAlone();
    s.process(join(silence(10), run));
    std::vector<float> out = agreedOutput(s);
    for (int k = 0; k < 60; ++k)
        EXPECT_NEAR(out[10 + k], limiterThreshold(12), 1.2e-7) << k;
}

TEST(Limiter, RecoversInAbout10msFasterForLowerPeaks) {
    int fullScale = limiterRecovery(44100, 1.0f);
    EXPECT_NEAR(fullScale, 441, 20);
    EXPECT_LT(limiterRecovery(44100, 0.6f), fullScale - 30);
}

TEST(Limiter, ReleaseTimeFollowsTheSampleRate) {
    int base = limiterRecovery(44100, 1.0f);
    EXPECT_NEAR(limiterRecovery(88200, 1.0f), 2 * base, 4);
    EXPECT_NEAR(limiterRecovery(22050, 1.0f), base / 2, 4);
}

TEST(AutoNormalize, SineIsFlattenedAtTheCeilingUntilItsFirstPeak) {
    Script s = normalizing();
    std::vector<float> wave = sine(400, 0.5f, 100.0);
    s.process(wave).process(wave);
    std::vector<float> out = agreedOutput(s);
    EXPECT_NEAR(out[2], wave[2] * 15.8493f, 1e-4) << "still below the ceiling at +24 dB";
    for (int i = 3; i <= 25; ++i)
        EXPECT_NEAR(out[i], kCeiling, 1.2e-7) << i;
    for (int i = 26; i < 800; ++i)
        EXPECT_LE(std::fabs(out[i]), kCeiling + 1.2e-7f) << i;
    for (int peak : {125, 225, 325, 425, 725})
        EXPECT_NEAR(out[peak], kCeiling, 1.2e-7) << peak;
    EXPECT_NEAR(out[410] / wave[10], kCeiling / 0.5f, 1e-5)
        << "G = 0.99995 / 0.5 in the next block";
}

TEST(AutoNormalize, LimiterRelinkIsKeptOnlyFromTheSecondBlock) {
    const float quiet = 0.2f; // below the limiter threshold of -12 dB
    Script s = normalizing();
    s.param(kThrLim, 0.5f);
    s.process(join({1.0f}, silence(2000)));
    s.process(join({quiet, 1.0f}, silence(2000)));
    s.process({quiet, 1.0f});
    std::vector<float> out = agreedOutput(s);
    EXPECT_NEAR(out[0], kCeiling, 1.2e-7);
    EXPECT_NEAR(out[2001] / quiet, 4.0971, 1e-4) << "first block's clamp was not stored";
    EXPECT_NEAR(out[2002], kCeiling, 1.2e-7);
    EXPECT_NEAR(out[4003] / quiet, kCeiling / limiterThreshold(24), 1e-4) << "now it is";
    EXPECT_NEAR(out[4004], kCeiling, 2.4e-7);

    Trace trace = replayOnPlugin(s.steps);
    const Observation& afterRelink = trace[trace.size() - 4];
    EXPECT_EQ(afterRelink.parameters[kOutput], 11750.0f / 24000.0f);
    EXPECT_EQ(afterRelink.parameters[kThrLim], 24.0f / 48.0f);
}

TEST(Dither, SilenceGetsRectangularNoiseOfTwoLsbWithAQuarterLsbOffset) {
    Script s = neutralSetting();
    s.param(kDither, 1);
    s.processInBlocks(silence(200000), 4096);
    std::vector<float> out = agreedOutput(s);
    std::set<float> steps(out.begin(), out.end());
    double sum = 0.0;
    for (float v : out)
        sum += v;
    EXPECT_EQ(steps.size(), 512u);
    EXPECT_NEAR(*steps.begin(), -2.2885e-5, 1e-10);
    EXPECT_NEAR(*steps.rbegin(), 3.8128e-5, 1e-9);
    EXPECT_NEAR(sum / out.size(), 7.6e-6, 2e-7);
}

TEST(Bypass, OutputIsTheInputFromTheFirstBypassedSampleOn) {
    std::vector<float> before = sine(1000, 0.9f, 50.0);
    std::vector<float> during = sine(1000, 1.7f, 37.0);
    Script s; // program "Init": 440 samples of look-ahead, compressing
    s.param(kDither, 1).process(before).param(kBypass, 1).process(during);
    s.param(kBypass, 0).process(silence(1000));
    std::vector<float> out = agreedOutput(s);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(out[1000 + i], during[i]) << i;
    EXPECT_GT(std::fabs(out[2000 + 100]), 0.01f) << "held samples from before the bypass";
}
