// The energy count is read and cleared by the editor alone; with no editor it
// grows for as long as audio runs, so this builds the effect object directly.
#include "plugin/compressor_effect_edit.h"
#include "tests/host/plugin_host.h"
#include "tests/signal/signal_harness.h"

#include <gtest/gtest.h>

#include <limits>
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
