// The four Auto Normalize ceilings. The ceiling is chosen in the editor's menu,
// so these tests build the effect object directly, pick the ceiling in its
// settings and then talk to it through its record like a host.
#include "plugin/compressor_effect_edit.h"
#include "tests/host/plugin_host.h"
#include "tests/signal/signal_harness.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace signaltest;

namespace {

struct CeilingCase {
    int code;
    float level;
};

Trace replayOnEngine(const Script& s, int ceiling) {
    CompressorEffectEdit fx(testhost::recordingHost);
    fx.settings.normalizeCeiling = ceiling;
    return replay(*makeRecordTarget(fx.getAeffect()), s.steps);
}

Trace replayOnModel(const Script& s, int ceiling) {
    model::Compressor* inside = nullptr;
    auto target = makeModel(&inside);
    inside->setNormalizeCeiling(ceiling);
    return replay(*target, s.steps);
}

// The engine's output for a script; a test failure when the model disagrees.
Trace agreedTrace(const Script& s, int ceiling) {
    Trace engine = replayOnEngine(s, ceiling);
    EXPECT_EQ(firstDifference(s.steps, engine, replayOnModel(s, ceiling)), "")
        << "ceiling " << ceiling;
    return engine;
}

float peak(const std::vector<float>& v, std::size_t from) {
    float p = 0.0f;
    for (std::size_t i = from; i < v.size(); ++i)
        p = std::max(p, std::fabs(v[i]));
    return p;
}

const CeilingCase kCeilings[] = {{0, 0.99995f}, {1, 0.9988f},  {2, 0.9895f},
                                 {3, 0.9941f},  {7, 0.99995f}, {-1, 0.99995f}};

} // namespace

TEST(Ceiling, EachSettingPutsTheHighestPeakAtItsLevel) {
    Script s = neutralSetting();
    s.param(signaltest::kNormalize, 1)
        .process(sine(400, 0.5f, 100.0))
        .process(sine(4000, 0.5f, 20.0));
    for (const CeilingCase& c : kCeilings) {
        std::vector<float> out = outputs(agreedTrace(s, c.code));
        EXPECT_NEAR(peak(out, 0), c.level, 1.2e-7) << c.code;
        EXPECT_NEAR(peak(out, 400), c.level, 1.2e-7) << c.code;
    }
}

TEST(Ceiling, LimiterRelinkAimsLimitedPeaksAtTheCeiling) {
    // With ThrLim 20 (-10 dB) the relinked output gain is +10 dB less the ceiling.
    const int expectedOutput[] = {14000, 14010, 14091, 14051, 14000, 14000};
    for (int k = 0; k < 6; ++k) {
        const CeilingCase& c = kCeilings[k];
        Script s = neutralSetting();
        s.param(signaltest::kNormalize, 1).param(signaltest::kThrLim, 20);
        s.process(join({1.0f}, silence(1000))).process(join({1.0f}, silence(1000)));
        Trace trace = agreedTrace(s, c.code);
        EXPECT_EQ(trace[trace.size() - 3].parameters[signaltest::kOutput],
                  expectedOutput[k] / 24000.0f)
            << c.code;
        std::vector<float> out = outputs(trace);
        EXPECT_NEAR(out[1001], c.level, 2.4e-7) << c.code;
    }
}
