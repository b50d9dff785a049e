// The energy count and sums are read and cleared by the editor alone; with no
// editor they grow for as long as audio runs, so this builds the effect object
// directly.
#include "plugin/compressor_effect_edit.h"
#include "tests/host/plugin_host.h"
#include "tests/signal/signal_harness.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <vector>

TEST(EnergyCount, StopsAtItsLimit) {
    constexpr std::int32_t limit = std::numeric_limits<std::int32_t>::max();
    CompressorEffectEdit fx(testhost::recordingHost);
    fx.sumCount = limit - 100;
    auto host = signaltest::makeRecordTarget(fx.getAeffect());
    std::vector<float> in(512, 0.25f), out(512);
    for (int block = 0; block < 2; ++block) {
        host->process(in.data(), out.data(), 512);
        EXPECT_EQ(fx.sumCount, limit) << block;
    }
}

// The sums of both paths, with dither and the clamp acting, over blocks that
// end inside a stretch and inside a group of four: the model's, bit for bit.
TEST(EnergySums, MatchTheModelAcrossBlocks) {
    CompressorEffectEdit fx(testhost::recordingHost);
    model::Compressor reference;
    auto host = signaltest::makeRecordTarget(fx.getAeffect());
    constexpr int kMastering2 = 2;
    host->setProgram(kMastering2);
    reference.setProgram(kMastering2);
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> level(-1.0f, 1.0f);
    for (int frames : {517, 3, 1000, 256, 1}) {
        std::vector<float> in(frames), out(frames), expected(frames);
        for (float& x : in)
            x = level(rng);
        host->process(in.data(), out.data(), frames);
        reference.processReplacing(in.data(), expected.data(), frames);
        EXPECT_EQ(fx.sumSquaresA, reference.metering().sumSquares[0]) << frames;
        EXPECT_EQ(fx.sumSquaresB, reference.metering().sumSquares[1]) << frames;
    }
}
