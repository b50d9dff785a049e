// The block frame: what is taken at a block's start and stored at its end,
// blocks of any size, the accumulating entry and sample-rate changes.
#include "tests/signal/signal_harness.h"

#include "tests/host/plugin_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace signaltest;

namespace {

// Release-curve setting: T = 0.5012, 2:1, hard knee, 250 ms, no look-ahead.
Script releaseCurve() {
    Script s = neutralSetting();
    s.param(kThrComp, 12).param(kRatio, 4);
    return s;
}

// Bursts of tone between silences, loud enough for both gain stages.
std::vector<float> bursts() {
    std::vector<float> v;
    for (int burst = 0; burst < 6; ++burst) {
        v = join(v, sine(700 + 50 * burst, 0.3f + 0.12f * burst, 23.0 + 7 * burst));
        v = join(v, silence(900));
    }
    return v;
}

std::vector<float> inBlocks(Script setting, const std::vector<float>& signal, int blockSize) {
    setting.processInBlocks(signal, blockSize);
    return agreedOutput(setting);
}

int firstUnityFromThenOn(const std::vector<float>& out, float carrier) {
    int first = static_cast<int>(out.size());
    while (first > 0 && out[first - 1] == carrier)
        --first;
    return first;
}

} // namespace

TEST(BlockFrame, BlockSizeDoesNotChangeTheSound) {
    std::vector<float> peak = join(join(silence(10), {1.0f}), constant(13000, 0.25f));
    Script init; // program "Init": soft knee, automatic release, 440 samples ahead
    init.param(kThrLim, 6);
    for (int size : {1, 7, 64, 441, 512, 4096}) {
        EXPECT_EQ(inBlocks(releaseCurve(), peak, size), inBlocks(releaseCurve(), peak, 100000))
            << size;
        EXPECT_EQ(inBlocks(init, bursts(), size), inBlocks(init, bursts(), 100000)) << size;
    }
}

TEST(BlockFrame, FadingIncrementRestartsTheReleaseAtTheBlockEnd) {
    // 999 ms: the increment fades below 1e-6 before unity, and only a block end
    // gets the recovery going again.
    Script slow = releaseCurve();
    slow.param(kRelease, 999);
    std::vector<float> peak = join(join(silence(10), {1.0f}), constant(60000, 0.25f));
    std::vector<float> whole = inBlocks(slow, peak, 100000);
    std::vector<float> blocked = inBlocks(slow, peak, 512);
    EXPECT_NE(whole, blocked);
    EXPECT_LT(firstUnityFromThenOn(blocked, 0.25f), firstUnityFromThenOn(whole, 0.25f));
}

TEST(BlockFrame, AccumulatingEntryWritesZerosAndChangesNothing) {
    std::vector<float> a = sine(700, 1.3f, 41.0), b = sine(900, 0.8f, 17.0);
    auto run = [&](bool withAccumulating) {
        testhost::Instance fx;
        testhost::dispatch(fx.get(), effSetProgram, 0, 1); // dither and Auto Normalize on
        std::vector<float> out(a.size() + b.size());
        testhost::processBlock(fx.get(), a.data(), out.data(), static_cast<int>(a.size()));
        if (withAccumulating) {
            std::vector<float> buffer(64, 0.5f);
            float* ins[1] = {a.data()};
            float* outs[1] = {buffer.data()};
            fx->process(fx.get(), ins, outs, 64);
            EXPECT_EQ(buffer, std::vector<float>(64, 0.0f));
        }
        testhost::processBlock(fx.get(), b.data(), out.data() + a.size(),
                               static_cast<int>(b.size()));
        return out;
    };
    EXPECT_EQ(run(true), run(false));
}

TEST(BlockFrame, EmptyBlockLeavesTheOutputBufferAlone) {
    testhost::Instance fx;
    std::vector<float> in(8, 0.5f), out(8, 7.0f);
    testhost::processBlock(fx.get(), in.data(), out.data(), 0);
    testhost::processBlock(fx.get(), in.data(), out.data(), -3);
    EXPECT_EQ(out, std::vector<float>(8, 7.0f));
}

TEST(BlockFrame, EmptyBlockStillEndsTheBlock) {
    // After a limiter relink the next block drops its clamp; an empty block is
    // that block, so the clamp of the block after it is kept.
    const float quiet = 0.2f;
    for (int count : {0, -1}) {
        Script s = neutralSetting();
        s.param(kNormalize, 1).param(kThrLim, 0.5f).processCount(count);
        s.process(join({1.0f}, silence(2000))).process({quiet});
        std::vector<float> out = agreedOutput(s);
        EXPECT_NEAR(out[2001] / quiet, 0.99995 / std::pow(10.0, -0.6), 1e-4) << count;
    }
}

TEST(BlockFrame, EmptyBlockBetweenBlocksChangesNothingElse) {
    std::vector<float> signal = bursts();
    Script plain, interrupted;
    plain.processInBlocks(signal, 1000);
    for (std::size_t start = 0; start < signal.size(); start += 1000) {
        std::size_t end = std::min(signal.size(), start + 1000);
        interrupted.process(std::vector<float>(signal.begin() + start, signal.begin() + end));
        interrupted.processCount(0);
    }
    EXPECT_EQ(agreedOutput(plain), agreedOutput(interrupted));
}

TEST(SampleRate, FixedReleaseLengthWaitsForReleaseToBeSetAgain) {
    std::vector<float> peak = join(join(silence(10), {1.0f}), constant(30000, 0.25f));
    Script at44 = releaseCurve(), rateOnly = releaseCurve(), rateAndRelease = releaseCurve();
    rateOnly.rate(88200);
    rateAndRelease.rate(88200).param(kRelease, 250);
    at44.process(peak);
    rateOnly.process(peak);
    rateAndRelease.process(peak);
    std::vector<float> base = agreedOutput(at44);
    EXPECT_EQ(agreedOutput(rateOnly), base);
    int longer = firstUnityFromThenOn(agreedOutput(rateAndRelease), 0.25f);
    EXPECT_GT(longer, firstUnityFromThenOn(base, 0.25f) * 3 / 2);
}

TEST(SampleRate, BlockSizeAndRateTogetherSetTheRate) {
    std::vector<float> peak = join(join(silence(10), {1.0f}), constant(2000, 0.1f));
    Script viaBoth = neutralSetting(), viaRate = neutralSetting();
    viaBoth.param(kThrLim, 12).blockSizeAndRate(256, 96000).process(peak);
    viaRate.param(kThrLim, 12).rate(96000).process(peak);
    EXPECT_EQ(agreedOutput(viaBoth), agreedOutput(viaRate));
}
