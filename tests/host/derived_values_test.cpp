// The values processing reads, derived when a parameter is set: linear
// thresholds and gains, the release length in samples, and the normalize
// link under each ceiling setting. A host sees none of them directly, so
// these tests build the effect and read its fields.
#include "engine/compressor_effect.h"
#include "tests/host/reference_values.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ref = reference;

namespace {

vst::IntPtr VST_CALL quietHost(AEffect*, vst::Int32 opcode, vst::Int32, vst::IntPtr, void*, float) {
    return opcode == audioMasterVersion ? 2400 : 0;
}

float linearThreshold(int halfDecibels) {
    return static_cast<float>(std::pow(10.0, -halfDecibels / 40.0));
}

float outputGainOf(std::int32_t output) {
    return static_cast<float>(std::pow(10.0, (24000.0 - output) / 20000.0));
}

std::int32_t releaseSamplesOf(float sampleRate, int ms) {
    return static_cast<std::int32_t>(sampleRate / 1000.0f * static_cast<float>(ms));
}

class DerivedValues : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(fx.isReady()); }
    void setSampleRate(float rate) {
        fx.getAeffect()->dispatcher(fx.getAeffect(), effSetSampleRate, 0, 0, nullptr, rate);
    }
    CompressorEffect fx{quietHost};
};

} // namespace

TEST_F(DerivedValues, ThresholdsAreLinear) {
    fx.setParameter(ref::ThrComp, 0.5f);
    EXPECT_EQ(fx.thrComp, 36);
    EXPECT_EQ(fx.compThresholdLin, static_cast<float>(std::pow(10.0, -0.9)));
    for (int n = 0; n <= 72; ++n) {
        fx.setParameter(ref::ThrComp, static_cast<float>(n));
        EXPECT_EQ(fx.compThresholdLin, linearThreshold(n)) << n;
    }
    for (int n = 0; n <= 48; ++n) {
        fx.setParameter(ref::ThrLim, static_cast<float>(n));
        EXPECT_EQ(fx.limThresholdLin, linearThreshold(n)) << n;
    }
}

TEST_F(DerivedValues, OutputGainFollowsOutput) {
    for (std::int32_t output = 0; output <= 24000; output += 125) {
        fx.setParameter(ref::Output, static_cast<float>(output));
        EXPECT_EQ(fx.outputGain, outputGainOf(output)) << output;
    }
}

TEST_F(DerivedValues, ReleaseLengthUsesTheRateAtTheTimeOfSetting) {
    fx.setParameter(ref::Release, 250.0f);
    EXPECT_EQ(fx.releaseSamples, 11025);
    setSampleRate(96000.0f);
    EXPECT_EQ(fx.releaseSamples, 11025);
    for (int ms : {1, 10, 250, 600, 999}) {
        fx.setParameter(ref::Release, static_cast<float>(ms));
        EXPECT_EQ(fx.releaseSamples, releaseSamplesOf(96000.0f, ms)) << ms;
    }
    setSampleRate(44100.0f);
    EXPECT_EQ(fx.releaseSamples, releaseSamplesOf(96000.0f, 999));
}

TEST_F(DerivedValues, SwitchingNormalizeOnStartsAtTheMaximumGain) {
    fx.setParameter(ref::Normalize, 1.0f);
    EXPECT_EQ(fx.outputGain, 15.849309921264648f);
    EXPECT_EQ(fx.output, 0);
    EXPECT_EQ(fx.normalizeJustOn, 0);
    fx.setParameter(ref::Normalize, 0.0f);
    EXPECT_EQ(fx.shownOutputGain, 0.0f);
    EXPECT_EQ(fx.normalizeJustOn, 0);
}

TEST_F(DerivedValues, EachCeilingSettingLowersTheLinkedOutput) {
    fx.setParameter(ref::Normalize, 1.0f);
    for (int setting = 0; setting < 6; ++setting) {
        fx.settings.normalizeCeiling = setting;
        float factor = setting < 4 ? ref::kCeilingFactors[setting] : ref::kCeilingFactors[0];
        for (int thrLim = 0; thrLim <= 48; ++thrLim) {
            fx.outputRecalc = fx.outputRecalcGui = 0;
            fx.setParameter(ref::ThrLim, static_cast<float>(thrLim));
            std::int32_t unlinked = ref::truncated<std::int32_t>(24000.0f - thrLim * 500.0f);
            EXPECT_EQ(fx.outputGain, ref::linkedGain(unlinked, factor))
                << "setting " << setting << " ThrLim " << thrLim;
            EXPECT_EQ(fx.output, ref::linkedOutput(static_cast<float>(thrLim), factor));
            EXPECT_EQ(fx.outputRecalc, 1);
            EXPECT_EQ(fx.outputRecalcGui, 1);
        }
    }
    fx.settings.normalizeCeiling = 2;
    fx.setParameter(ref::ThrLim, 20.0f);
    EXPECT_EQ(fx.output, 14091);
    fx.settings.normalizeCeiling = 0;
    fx.setParameter(ref::ThrLim, 20.0f);
    EXPECT_EQ(fx.output, 14000);
    EXPECT_EQ(fx.outputGain, outputGainOf(14000) * 0.99995f);
}
