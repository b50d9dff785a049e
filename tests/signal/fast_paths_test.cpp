// The processing's four-at-a-time paths against the same steps taken one
// sample (or one slot) at a time, bit for bit, on random material that takes
// every exit: ramps that stop early or cross binades, steps whose fraction of
// an ulp is exactly one half, and a clamp that acts mid-stretch.
#include "engine/gain_ramp.h"
#include "engine/line_pass.h"
#include "engine/output_stage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

// The walk as written down: one sum after the other.
void lowerOneSlotAtATime(std::vector<float>& g, int n, float previous, float newest) {
    const int length = static_cast<int>(g.size());
    if (!(previous > newest)) return;
    float step = (1.0f - newest) / static_cast<float>(length - 1);
    float v = newest + step;
    for (int i = 1; i < length; ++i) {
        float& slot = g[(n - i + length) % length];
        if (!(v < slot)) return;
        slot = v;
        v = v + step;
    }
}

bool sameBits(const std::vector<float>& a, const std::vector<float>& b) {
    return std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
}

TEST(FastPaths, rampMatchesTheWalkOneSlotAtATime) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (int trial = 0; trial < 4000; ++trial) {
        const int length = 2 + static_cast<int>(rng() % 440);
        std::vector<float> g(length);
        const float floor = trial % 3 == 0 ? 0.0f : unit(rng);
        for (float& x : g)
            x = trial % 4 == 0 ? 1.0f : floor + (1.0f - floor) * unit(rng);
        // Newest gains from deep reductions to a hair below unity, and ones
        // whose step is an exact half ulp of its first value.
        float newest = trial % 5 == 0 ? 1.0f - std::ldexp(unit(rng), -20) : unit(rng);
        if (trial % 7 == 0) newest = 1.0f - std::ldexp(static_cast<float>(length - 1), -25);
        const int n = static_cast<int>(rng() % length);
        std::vector<float> expected = g;
        lowerOneSlotAtATime(expected, n, 1.0f, newest);
        gainRamp::lower(g.data(), n, length, 1.0f, newest);
        ASSERT_TRUE(sameBits(g, expected)) << "trial " << trial << " length " << length;
    }
}

TEST(FastPaths, outputStageMatchesOneSampleAtATime) {
    std::mt19937 rng(11);
    std::uniform_real_distribution<float> level(-1.2f, 1.2f);
    for (int trial = 0; trial < 200; ++trial) {
        const int count = 1 + static_cast<int>(rng() % 300);
        std::vector<float> a(count), b;
        for (float& x : a)
            x = level(rng);
        b = a;
        outputStage::State fast{1.4f, 0.99995f, {}, {}, static_cast<std::uint32_t>(rng()), false};
        outputStage::State slow = fast;
        const bool dither = trial % 2 == 0;
        if (dither) {
            outputStage::run<true, true>(fast, a.data(), count);
            outputStage::oneByOne<true, true>(slow, b.data(), count);
        } else {
            outputStage::run<false, true>(fast, a.data(), count);
            outputStage::oneByOne<false, true>(slow, b.data(), count);
        }
        ASSERT_TRUE(sameBits(a, b)) << "trial " << trial;
        EXPECT_EQ(fast.gain, slow.gain);
        for (int lane = 0; lane < outputStage::kLanes; ++lane) {
            EXPECT_EQ(fast.sumA[lane], slow.sumA[lane]) << lane;
            EXPECT_EQ(fast.sumB[lane], slow.sumB[lane]) << lane;
        }
        EXPECT_EQ(fast.noise, slow.noise);
        EXPECT_EQ(fast.gainLowered, slow.gainLowered);
    }
}

TEST(FastPaths, passThroughMatchesOneSampleAtATime) {
    std::mt19937 rng(5);
    std::uniform_real_distribution<float> level(-0.6f, 0.6f);
    for (int trial = 0; trial < 500; ++trial) {
        const int length = 2 + static_cast<int>(rng() % 440);
        std::vector<float> gains(length, 0.5f), line(length), x(64), out(64, 0.0f);
        for (float& v : line)
            v = level(rng);
        for (float& v : x)
            v = level(rng);
        const int h0 = static_cast<int>(rng() % length);
        const int stop = std::min(64, length - h0);
        std::vector<float> gains2 = gains, line2 = line, out2 = out;
        int n = (h0 + length - 1) % length, h = h0;
        const int k =
            linePass::run(gains.data(), line.data(), x.data(), out.data(), 0, stop, n, h, 0.5f);
        int n2 = (h0 + length - 1) % length, h2 = h0, k2 = 0;
        for (; k2 < stop && !(std::fabs(x[k2]) > 0.5f); ++k2)
            linePass::one(gains2.data(), line2.data(), x.data(), out2.data(), k2, n2, h2);
        ASSERT_EQ(k, k2) << "trial " << trial;
        ASSERT_TRUE(sameBits(gains, gains2) && sameBits(line, line2) && sameBits(out, out2));
        EXPECT_EQ(n, n2);
        EXPECT_EQ(h, h2);
    }
}

} // namespace
