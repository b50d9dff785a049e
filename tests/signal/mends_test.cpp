// Inputs and settings that would otherwise poison the state or leave the lines:
// non-finite samples, bad sample rates, raw values far outside the ranges, an
// over-long or growing look-ahead, a release below 10 ms, ratios below 1:1.
#include "tests/signal/signal_harness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace signaltest;

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

void expectFinite(const std::vector<float>& out) {
    for (std::size_t i = 0; i < out.size(); ++i)
        ASSERT_TRUE(std::isfinite(out[i])) << i;
}

std::vector<float> loudSine() {
    return sine(3000, 1.6f, 61.0);
}

} // namespace

TEST(NonFiniteInput, CountsAsSilenceAndPoisonsNothing) {
    std::vector<float> clean = loudSine();
    std::vector<float> dirty = clean;
    const int at[] = {0, 100, 500, 501, 1499, 2000, 2999};
    const float bad[] = {kNaN, kNaN, kInf, -kInf, -kNaN, kInf, kNaN};
    for (int i = 0; i < 7; ++i)
        clean[at[i]] = 0.0f, dirty[at[i]] = bad[i];
    for (int program : {0, 1, 5}) { // look-ahead 440 or 1, dither, Auto Normalize
        Script withBad, withZero;
        withBad.program(program).processInBlocks(dirty, 700).process(loudSine());
        withZero.program(program).processInBlocks(clean, 700).process(loudSine());
        std::vector<float> out = agreedOutput(withBad);
        expectFinite(out);
        EXPECT_EQ(out, agreedOutput(withZero)) << "program " << program;
    }
}

TEST(NonFiniteParameter, ChangesNothing) {
    Script base;
    base.program(1);
    Script poked = base;
    for (int index = 0; index < 13; ++index) {
        poked.param(index, kNaN).param(index, kInf).param(index, -kInf);
    }
    base.process(loudSine());
    poked.process(loudSine());
    Trace trace = replayOnPlugin(poked.steps);
    for (int index = 0; index < 13; ++index) {
        EXPECT_EQ(trace.front().parameters[index], trace[trace.size() - 2].parameters[index])
            << index;
    }
    EXPECT_EQ(agreedOutput(poked), agreedOutput(base));
}

TEST(LookAheadLimit, RawValueBeyondTheLinesGivesTheLongestLine) {
    for (float lookAhead : {5000.0f, 1e9f, 3e38f}) {
        Script s = neutralSetting();
        s.param(kLookAhead, lookAhead);
        s.process(join({0.25f}, silence(1000)));
        Trace trace = replayOnPlugin(s.steps);
        EXPECT_EQ(trace[trace.size() - 2].initialDelay, 440) << lookAhead;
        std::vector<float> out = agreedOutput(s);
        for (int i = 0; i < 1001; ++i) {
            EXPECT_EQ(out[i], i == 440 ? 0.25f : 0.0f) << lookAhead << " at " << i;
        }
    }
}

TEST(LookAheadLimit, ShorteningTheLineMidStreamStaysInside) {
    Script s;
    s.param(kLookAhead, 5000).process(loudSine());
    s.param(kLookAhead, 12).process(loudSine());
    s.param(kLookAhead, 0).process(loudSine()).param(kLookAhead, 999).process(loudSine());
    expectFinite(agreedOutput(s));
}

TEST(SampleRate, RatesThatAreNotFiniteAndPositiveAreIgnored) {
    Script fresh;
    fresh.process(loudSine()).process(loudSine());
    std::vector<float> expected = agreedOutput(fresh);
    for (float rate : {kNaN, kInf, -kInf, 0.0f, -0.0f, -44100.0f}) {
        Script s;
        s.rate(rate).process(loudSine()).blockSizeAndRate(512, rate);
        s.rate(44100).process(loudSine());
        EXPECT_EQ(agreedOutput(s), expected) << rate;
    }
}

TEST(RawExtremes, OutputGainStaysFinite) {
    struct Case {
        int index;
        float value;
        bool normalize;
    };
    const Case cases[] = {{kOutput, -747000, false},
                          {kOutput, -1e9f, false},
                          {kThrLim, 1542, true},
                          {kThrLim, 3e38f, true}};
    for (const Case& c : cases) {
        Script s = neutralSetting();
        s.param(kNormalize, c.normalize).param(c.index, c.value);
        s.process(silence(100)).process(loudSine());
        std::vector<float> out = agreedOutput(s);
        expectFinite(out);
        EXPECT_EQ(out[99], 0.0f) << c.index << " " << c.value;
    }
}

TEST(ReleaseBelowTheControl, CountsAsTenMillisecondsAndNeverRaisesTheGain) {
    std::vector<float> in = loudSine();
    Script zero = neutralSetting(), shortest = neutralSetting();
    zero.param(kThrComp, 20).param(kRatio, 6).param(kRelease, 0).process(in);
    shortest.param(kThrComp, 20).param(kRatio, 6).param(kRelease, 10).process(in);
    std::vector<float> out = agreedOutput(zero);
    EXPECT_EQ(out, agreedOutput(shortest));
    for (std::size_t i = 0; i < in.size(); ++i)
        ASSERT_LE(std::fabs(out[i]), std::fabs(in[i])) << i;
}

TEST(LookAheadGrowth, SlotsComingIntoUseHoldSilence) {
    Script s; // "Init": 440 samples, then "User 1": 1 sample, then "Init" again
    s.process(loudSine()).program(6).process(loudSine()).program(0).process(silence(1000));
    std::vector<float> out = agreedOutput(s);
    for (std::size_t i = 6000; i < out.size(); ++i)
        ASSERT_EQ(out[i], 0.0f) << i - 6000;
}

TEST(RatioBelowOneToOne, CompressesLikeOneToOne) {
    for (float soft : {0.0f, 1.0f}) {
        for (float thrComp : {0.0f, 20.0f}) {
            Script reference = neutralSetting();
            reference.param(kSoft, soft).param(kThrComp, thrComp).param(kRatio, 2);
            reference.process(loudSine());
            std::vector<float> expected = agreedOutput(reference);
            for (float ratio : {0.0f, -1.0f}) {
                Script s = neutralSetting();
                s.param(kSoft, soft).param(kThrComp, thrComp).param(kRatio, ratio);
                s.process(loudSine());
                std::vector<float> out = agreedOutput(s);
                expectFinite(out);
                EXPECT_EQ(out, expected)
                    << "soft " << soft << " thrComp " << thrComp << " ratio " << ratio;
            }
        }
    }
}

TEST(RatioBelowOneToOne, SoftKneeAtFullScaleThresholdPassesTheSignal) {
    Script s = neutralSetting();
    s.param(kSoft, 1).param(kThrComp, 0).param(kRatio, 2).param(kThrLim, -400);
    std::vector<float> in = loudSine();
    s.process(in);
    std::vector<float> out = agreedOutput(s);
    expectFinite(out);
    for (std::size_t i = 0; i < in.size(); ++i)
        EXPECT_NEAR(out[i], in[i], 1e-6 * std::fabs(in[i]));
}
