// Auto Normalize as a host sees it: switching it on starts the output at
// +24 dB, and the limiter threshold then sets the output gain so that limited
// peaks end at the ceiling (0 dBFS until the editor chooses another).
#include "tests/host/host_view.h"
#include "tests/host/value_grids.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using namespace testhost;
namespace ref = reference;

namespace {

// Output as the normalize link leaves it after ThrLim is set to value.
::testing::AssertionResult linksOutput(AEffect* e, float value) {
    setParam(e, ref::ThrLim, value);
    float x = ref::unscaled(ref::ThrLim, value);
    std::int32_t output = ref::linkedOutput(x);
    std::string thrLim = ref::thresholdText(ref::steppedField(ref::ThrLim, value));
    std::string outputDisplay = parameterDisplay(e, ref::Output);
    float outputHost = getParam(e, ref::Output);
    if (parameterDisplay(e, ref::ThrLim) == thrLim && outputDisplay == ref::outputText(output) &&
        outputHost == ref::hostValue(ref::Output, output))
        return ::testing::AssertionSuccess();
    std::ostringstream what;
    what.precision(9);
    what << "ThrLim set to " << value << " (x = " << x << "): expected ThrLim \"" << thrLim
         << "\", Output " << output << " \"" << ref::outputText(output) << "\" reading "
         << ref::hostValue(ref::Output, output) << "; got \"" << parameterDisplay(e, ref::ThrLim)
         << "\", \"" << outputDisplay << "\" reading " << outputHost;
    return ::testing::AssertionFailure() << what.str();
}

class Normalize : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(fx.get(), nullptr);
        setParam(fx.get(), ref::Normalize, 1.0f);
    }
    Instance fx;
};

} // namespace

TEST_F(Normalize, SwitchingOnStartsAtPlus24Decibels) {
    EXPECT_EQ(ref::normalizeStartOutput(), 0);
    EXPECT_EQ(parameterDisplay(fx.get(), ref::Normalize), "On");
    EXPECT_EQ(parameterDisplay(fx.get(), ref::Output), "24.00");
    EXPECT_EQ(getParam(fx.get(), ref::Output), 0.0f);
    EXPECT_EQ(parameterDisplay(fx.get(), ref::ThrLim), "-0.5");
}

TEST_F(Normalize, SwitchingOnAgainRestartsAtPlus24Decibels) {
    setParam(fx.get(), ref::ThrLim, 20.0f);
    ASSERT_NE(parameterDisplay(fx.get(), ref::Output), "24.00");
    setParam(fx.get(), ref::Normalize, 2.0f);
    EXPECT_EQ(parameterDisplay(fx.get(), ref::Normalize), "On");
    EXPECT_EQ(getParam(fx.get(), ref::Normalize), 2.0f);
    EXPECT_EQ(parameterDisplay(fx.get(), ref::Output), "24.00");
}

TEST_F(Normalize, RawLimiterThresholdsSetTheOutput) {
    ASSERT_TRUE(linksOutput(fx.get(), 20.0f));
    EXPECT_EQ(parameterDisplay(fx.get(), ref::Output), "10.00");
    for (float value : rawValueGrid(48))
        ASSERT_TRUE(linksOutput(fx.get(), value));
}

TEST_F(Normalize, HostLimiterThresholdsLinkFromTheUntruncatedValue) {
    for (float value : hostValueGrid())
        ASSERT_TRUE(linksOutput(fx.get(), value));
    setParam(fx.get(), ref::ThrLim, 0.5f);
    EXPECT_EQ(parameterDisplay(fx.get(), ref::ThrLim), "-12.0");
    EXPECT_EQ(parameterDisplay(fx.get(), ref::Output), ref::outputText(ref::linkedOutput(24.5f)));
    EXPECT_EQ(parameterDisplay(fx.get(), ref::Output), "12.25");
}

TEST_F(Normalize, AbsurdLimiterThresholdsSaturateTheOutput) {
    for (float value : absurdValues()) {
        ASSERT_TRUE(linksOutput(fx.get(), value));
        EXPECT_LE(parameterDisplay(fx.get(), ref::Output).size(), 23u);
    }
}

TEST_F(Normalize, OtherParametersLeaveTheLinkedOutput) {
    setParam(fx.get(), ref::ThrLim, 14.0f);
    HostView linked = viewOf(fx.get());
    const int others[] = {ref::Soft,  ref::Dither, ref::Bypass,  ref::ThrComp,   ref::Release,
                          ref::Ratio, ref::Zoom,   ref::AutoRel, ref::LookAhead, ref::Spare};
    for (int index : others) {
        setParam(fx.get(), index, getParam(fx.get(), index));
        EXPECT_EQ(parameterDisplay(fx.get(), ref::Output), linked.displays[ref::Output])
            << "after parameter " << index;
    }
    setParam(fx.get(), ref::Output, 20000.0f);
    EXPECT_EQ(parameterDisplay(fx.get(), ref::Output), ref::outputText(20000));
    EXPECT_EQ(parameterDisplay(fx.get(), ref::ThrLim), "-7.0");
}

TEST_F(Normalize, SwitchingOffKeepsTheOutputAndUnlinks) {
    setParam(fx.get(), ref::ThrLim, 14.0f);
    std::string linked = parameterDisplay(fx.get(), ref::Output);
    setParam(fx.get(), ref::Normalize, 0.7f);
    EXPECT_EQ(parameterDisplay(fx.get(), ref::Normalize), "Off");
    EXPECT_EQ(parameterDisplay(fx.get(), ref::Output), linked);
    setParam(fx.get(), ref::ThrLim, 30.0f);
    EXPECT_EQ(parameterDisplay(fx.get(), ref::Output), linked);
    EXPECT_EQ(parameterDisplay(fx.get(), ref::ThrLim), "-15.0");
}

TEST(NormalizeOff, LimiterThresholdLeavesTheOutput) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    setParam(fx.get(), ref::Output, 21000.0f);
    for (float value : {0.0f, 20.0f, 48.0f, 0.5f, 0.99999f, 1e6f}) {
        setParam(fx.get(), ref::ThrLim, value);
        EXPECT_EQ(parameterDisplay(fx.get(), ref::Output), "3.00") << value;
    }
}
