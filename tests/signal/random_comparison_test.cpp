// Thousands of seeded random sessions -- parameter changes (raw and normalized,
// in and out of range), program and sample-rate changes, suspends and blocks of
// random sizes and signals -- replayed on the plug-in and on the reference
// model, every output sample compared bit for bit.
#include "tests/signal/signal_harness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using namespace signaltest;

namespace {

// What a group of sessions leans toward.
struct Focus {
    bool outOfRange = false;     // raw values beyond the ranges, non-finite values and samples
    bool normalizeHeavy = false; // Auto Normalize, ThrLim relinks, dither, bypass
    bool lookAheadHeavy = false; // look-ahead changes with short blocks
};

class SessionGenerator {
  public:
    SessionGenerator(std::uint32_t seed, Focus f) : rng(seed), focus(f) {}

    std::vector<Step> session() {
        Script s;
        int calls = uniformInt(6, 28);
        for (int i = 0; i < calls; ++i)
            addCall(s);
        return s.steps;
    }

  private:
    int uniformInt(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    double uniform(double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng);
    }
    bool chance(double p) { return uniform(0.0, 1.0) < p; }
    template <class T, std::size_t N> T pick(const T (&options)[N]) {
        return options[uniformInt(0, static_cast<int>(N) - 1)];
    }

    void addCall(Script& s) {
        double r = uniform(0.0, 1.0);
        if (r < 0.48) {
            s.process(block(frameCount()));
        } else if (r < 0.80) {
            int index = parameterIndex();
            s.param(index, parameterValue(index));
        } else if (r < 0.87) {
            s.program(chance(0.05) ? pick({-1, 9, 100}) : uniformInt(0, 8));
        } else if (r < 0.92) {
            float rate = sampleRate();
            if (chance(0.3)) {
                s.blockSizeAndRate(uniformInt(1, 4096), rate);
            } else {
                s.rate(rate);
            }
        } else if (r < 0.97) {
            s.suspend();
        } else {
            s.resume();
        }
    }

    int parameterIndex() {
        if (focus.outOfRange && chance(0.03)) return pick({-1, 13, 64});
        if (focus.normalizeHeavy && chance(0.5)) return pick({1, 1, 2, 3, 5, 11, 11});
        if (focus.lookAheadHeavy && chance(0.5)) return 12;
        return uniformInt(0, 12);
    }

    float parameterValue(int index) {
        double r = uniform(0.0, 1.0);
        if (focus.outOfRange && r < 0.2) return outOfRangeValue(index);
        if (r < 0.5) return normalizedValue();
        return rawValue(index);
    }

    float normalizedValue() {
        if (chance(0.1)) return pick({0.5f, 0.99999f, 1e-7f, 0.999f, 0.0005f});
        return static_cast<float>(uniform(1e-6, 1.0 - 1e-6));
    }

    float rawValue(int index) {
        switch (index) {
        case kSoft:
        case kNormalize:
        case kDither:
        case kBypass:
            return chance(0.85) ? static_cast<float>(uniformInt(0, 1)) : pick({0.7f, 2.0f, -1.0f});
        case kThrComp:
            return static_cast<float>(uniformInt(0, 72)) + (chance(0.2) ? 0.6f : 0.0f);
        case kOutput:
            return static_cast<float>(uniformInt(0, 24000));
        case kRelease:
            return static_cast<float>(chance(0.1) ? uniformInt(0, 9) : uniformInt(10, 999));
        case kRatio:
            return static_cast<float>(uniformInt(0, 60));
        case kZoom:
            return static_cast<float>(uniformInt(0, 32));
        case kSpare:
            return static_cast<float>(uniform(-4.0, 20.0));
        case kAutoRel:
            return pick({0.0f, 1.0f, 1.0f, 0.7f, 2.0f});
        case kThrLim:
            return static_cast<float>(uniformInt(0, 48));
        default:
            return lookAheadValue();
        }
    }

    float lookAheadValue() {
        if (chance(0.4)) return pick({0.0f, 2.0f, 3.0f, 12.0f, 999.0f, 1000.0f, 1000.5f});
        if (chance(0.2)) return 2.266f * static_cast<float>(uniformInt(1, 441));
        if (chance(0.5)) return static_cast<float>(uniform(0.0, 40.0));
        return static_cast<float>(uniform(0.0, 1000.5));
    }

    float outOfRangeValue(int index) {
        constexpr float inf = std::numeric_limits<float>::infinity();
        if (chance(0.15)) return pick({std::numeric_limits<float>::quiet_NaN(), inf, -inf});
        if (chance(0.2)) return pick({1e6f, 1e9f, -1e9f, 3e38f, -3e38f, 70000.0f, -70000.0f});
        if (index == kLookAhead) return static_cast<float>(uniform(-50.0, 5000.0));
        if (index == kOutput) return static_cast<float>(uniformInt(-40000, 80000));
        return static_cast<float>(uniformInt(-200, 400));
    }

    float sampleRate() {
        constexpr float inf = std::numeric_limits<float>::infinity();
        if (focus.outOfRange && chance(0.2))
            return pick({std::numeric_limits<float>::quiet_NaN(), inf, -inf, 0.0f, -48000.0f});
        return pick({8000.0f, 11025.0f, 22050.0f, 32000.0f, 44100.0f, 44100.0f, 48000.0f, 88200.0f,
                     96000.0f, 192000.0f, 44100.5f, 1000.0f});
    }

    int frameCount() {
        double r = uniform(0.0, 1.0);
        if (r < 0.04) return 0;
        if (r < 0.05) return focus.outOfRange ? -uniformInt(1, 5) : 0;
        if (r < 0.25 || (focus.lookAheadHeavy && r < 0.5)) return uniformInt(1, 16);
        return uniformInt(17, 2000);
    }

    float amplitude() {
        if (chance(0.3)) return pick({0.01f, 0.1f, 0.5f, 0.99f, 1.0f, 1.5f, 4.0f});
        return static_cast<float>(std::pow(10.0, uniform(-3.0, 0.9)));
    }

    std::vector<float> block(int frames) {
        std::vector<float> v(std::max(frames, 0), 0.0f);
        int kind = uniformInt(0, focus.outOfRange ? 9 : 7);
        float amp = amplitude();
        double period = uniform(2.0, 400.0), phase = uniform(0.0, 6.3);
        for (std::size_t i = 0; i < v.size(); ++i)
            v[i] = sample(kind, amp, period, phase, i);
        if (kind == 8) sprinkleNonFinite(v);
        return v;
    }

    float sample(int kind, float amp, double period, double phase, std::size_t i) {
        double t = static_cast<double>(i);
        switch (kind) {
        case 0: // noise
            return static_cast<float>(uniform(-amp, amp));
        case 1: // tone
            return static_cast<float>(amp * std::sin(2 * M_PI * t / period + phase));
        case 2: // bursts of tone
            return std::fmod(t, 3 * period) < period
                       ? static_cast<float>(amp * std::sin(2 * M_PI * t / 17.0 + phase))
                       : 0.0f;
        case 3: // silence
            return 0.0f;
        case 4: // full scale, either sign
            return std::sin(2 * M_PI * t / period + phase) >= 0 ? 1.0f : -1.0f;
        case 5: // louder than full scale
            return static_cast<float>(amp * 3.0 * std::sin(2 * M_PI * t / period + phase));
        case 6: // sparse clicks
            return chance(0.01) ? static_cast<float>(uniform(-amp, amp)) * 4.0f : 0.0f;
        case 7: // a slow rise, each sample deeper into reduction
            return static_cast<float>(amp * (0.5 + t * 0.001));
        case 8: // tone carrying non-finite samples
            return static_cast<float>(amp * std::sin(2 * M_PI * t / period));
        default: // levels at the edge of the denormal range
            return static_cast<float>(uniform(-1.0, 1.0) * 1e-37 * amp);
        }
    }

    void sprinkleNonFinite(std::vector<float>& v) {
        if (v.empty()) return;
        const float bad[] = {std::numeric_limits<float>::quiet_NaN(),
                             std::numeric_limits<float>::infinity(),
                             -std::numeric_limits<float>::infinity()};
        for (int k = uniformInt(1, 4); k > 0; --k) {
            v[uniformInt(0, static_cast<int>(v.size()) - 1)] = pick(bad);
        }
    }

    std::mt19937 rng;
    Focus focus;
};

// Replays sessions; the first disagreement is shrunk and reported, the rest counted.
void compareSessions(std::uint32_t firstSeed, int count, Focus focus) {
    int disagreeing = 0;
    std::string first, others;
    for (int k = 0; k < count; ++k) {
        std::uint32_t seed = firstSeed + static_cast<std::uint32_t>(k);
        std::vector<Step> steps = SessionGenerator(seed, focus).session();
        std::string difference =
            firstDifference(steps, replayOnPlugin(steps), replayOnModel(steps));
        if (difference.empty()) continue;
        if (++disagreeing == 1) {
            first = "seed " + std::to_string(seed) + ": " + compareWithModel(steps);
        } else if (disagreeing <= 8) {
            others += "\n  seed " + std::to_string(seed) + ": " + difference;
        }
    }
    EXPECT_EQ(disagreeing, 0) << "of " << count << " sessions; first: " << first
                              << "\nothers:" << others;
}

} // namespace

TEST(RandomSessions, ControlRangesAndHostValues) {
    compareSessions(1000, 1500, Focus{});
}

TEST(RandomSessions, OutOfRangeValuesAndNonFiniteSamples) {
    compareSessions(200000, 1500, Focus{true, false, false});
}

TEST(RandomSessions, AutoNormalizeDitherAndBypass) {
    compareSessions(300000, 1500, Focus{false, true, false});
}

TEST(RandomSessions, LookAheadChangesAndShortBlocks) {
    compareSessions(400000, 1500, Focus{false, false, true});
}
