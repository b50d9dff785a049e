// The dither noise as a host hears it on silence: every build draws the same
// sequence, and every new instance restarts it for all instances.
#include "tests/host/plugin_host.h"

#include <gtest/gtest.h>

#include <vector>

using namespace testhost;

namespace {

// The generator's first values from seed 1 (state * 214013 + 2531011, bits 16
// to 30); a sample takes the first of its two draws, modulo 512.
const int kDraws[] = {41,    18467, 6334, 26500, 19169, 15724, 11478, 29358,
                      26962, 24464, 5705, 28145, 23281, 16827, 9961,  491,
                      2995,  11942, 4827, 5436,  32391, 14604, 3902,  153};

// Dither on, program "Init" otherwise: silence in leaves the noise alone.
std::vector<float> noise(AEffect* e, int frames) {
    e->setParameter(e, 2, 1.0f);
    std::vector<float> in(frames, 0.0f), out(frames);
    processBlock(e, in.data(), out.data(), frames);
    return out;
}

void expectDraws(const std::vector<float>& out, int firstSample) {
    for (std::size_t i = 0; i < out.size(); ++i) {
        int k = kDraws[2 * (firstSample + i)] % 512;
        EXPECT_EQ(out[i], static_cast<float>(k) * 1.194e-7f - 2.2885e-5f) << firstSample + i;
    }
}

} // namespace

TEST(DitherNoise, FollowsTheGeneratorAndEveryNewInstanceRestartsIt) {
    Instance first;
    expectDraws(noise(first.get(), 6), 0);
    Instance second;
    expectDraws(noise(second.get(), 6), 0);
    expectDraws(noise(first.get(), 6), 6); // one generator for both instances
}
