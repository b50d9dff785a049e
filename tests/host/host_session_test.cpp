// A host saves a session by reading every parameter with getParameter and
// restores it with setParameter. Every control setting must come back with the
// same display and the same latency, however often the session is reloaded.
#include "tests/host/host_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace testhost;
namespace ref = reference;

namespace {

// Reads the parameter as a host stores it and sets it back.
void reload(AEffect* e, int index) {
    setParam(e, index, getParam(e, index));
}

::testing::AssertionResult survivesReload(AEffect* e, int index, float raw) {
    setParam(e, index, raw);
    HostView saved = viewOf(e);
    reload(e, index);
    HostView restored = viewOf(e);
    if (restored.displays == saved.displays && restored.values == saved.values &&
        restored.latency == saved.latency)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "parameter " << index << " at raw " << raw << ": \"" << saved.displays[index]
           << "\" (" << saved.values[index] << ", latency " << saved.latency << ") came back as \""
           << restored.displays[index] << "\" (" << restored.values[index] << ", latency "
           << restored.latency << ")";
}

// Every whole raw value a control can set, from 0 to the top of its range.
std::vector<float> controlRange(int index) {
    std::vector<float> values;
    int top = ref::isSwitch(index) ? 1 : static_cast<int>(ref::maximum(index));
    for (int r = 0; r <= top; ++r)
        values.push_back(static_cast<float>(r));
    return values;
}

// Restores in a new instance what a host saved of one program.
void restoreSession(AEffect* e, vst::IntPtr program, const std::string& name,
                    const std::vector<float>& values) {
    dispatch(e, effSetProgram, 0, program);
    std::string copy = name;
    dispatch(e, effSetProgramName, 0, 0, copy.data());
    for (int i = 0; i < ref::ParamCount; ++i)
        setParam(e, i, values[i]);
}

std::vector<float> savedValues(AEffect* e) {
    std::vector<float> values;
    for (int i = 0; i < ref::ParamCount; ++i)
        values.push_back(getParam(e, i));
    return values;
}

} // namespace

class ControlRoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(ControlRoundTrip, EverySettingComesBack) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    for (float raw : controlRange(GetParam()))
        ASSERT_TRUE(survivesReload(fx.get(), GetParam(), raw));
}

INSTANTIATE_TEST_SUITE_P(Each, ControlRoundTrip,
                         ::testing::Values(ref::Soft, ref::Normalize, ref::Dither, ref::Bypass,
                                           ref::ThrComp, ref::Output, ref::Release, ref::Ratio,
                                           ref::Zoom, ref::ThrLim, ref::LookAhead),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return ref::shortName(info.param);
                         });

TEST(SessionReload, FreeValuesComeBack) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    for (int index : {ref::Spare, ref::AutoRel})
        for (float value : {0.0f, 1.0f, 0.5f, 3.981f, -2.0f})
            ASSERT_TRUE(survivesReload(fx.get(), index, value));
}

TEST(SessionReload, LimiterThresholdComesBackUnderNormalize) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    setParam(fx.get(), ref::Normalize, 1.0f);
    for (float raw : controlRange(ref::ThrLim)) {
        setParam(fx.get(), ref::ThrLim, raw);
        std::string display = parameterDisplay(fx.get(), ref::ThrLim);
        reload(fx.get(), ref::ThrLim);
        EXPECT_EQ(parameterDisplay(fx.get(), ref::ThrLim), display);
    }
}

TEST(SessionReload, LookAheadKeepsItsLatencyOverManyReloads) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    ASSERT_EQ(fx->initialDelay, 439);
    for (int cycle = 0; cycle < 200; ++cycle) {
        reload(fx.get(), ref::LookAhead);
        ASSERT_EQ(fx->initialDelay, 439) << "after reload " << cycle + 1;
        ASSERT_EQ(getParam(fx.get(), ref::LookAhead), 999.0f / 1000.0f);
    }
    EXPECT_EQ(parameterDisplay(fx.get(), ref::LookAhead), "10");
}

TEST(SessionReload, RepeatedReloadsOfEveryParameterSettle) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    dispatch(fx.get(), effSetProgram, 0, 6);
    const float edits[][2] = {{ref::ThrComp, 37.0f},    {ref::Output, 12345.0f},
                              {ref::Release, 77.0f},    {ref::Ratio, 13.0f},
                              {ref::Zoom, 7.0f},        {ref::ThrLim, 29.0f},
                              {ref::LookAhead, 123.0f}, {ref::Dither, 1.0f}};
    for (const auto& edit : edits)
        setParam(fx.get(), static_cast<int>(edit[0]), edit[1]);
    HostView saved = viewOf(fx.get());
    for (int cycle = 0; cycle < 50; ++cycle)
        for (int i = 0; i < ref::ParamCount; ++i)
            reload(fx.get(), i);
    expectSameView(saved, viewOf(fx.get()));
}

TEST(SessionReload, EditedProgramsComeBackInANewInstance) {
    for (vst::IntPtr program : {0, 6, 8}) {
        SCOPED_TRACE("program " + std::to_string(program));
        Instance original;
        ASSERT_NE(original.get(), nullptr);
        dispatch(original.get(), effSetProgram, 0, program);
        setParam(original.get(), ref::ThrComp, 0.3f);
        setParam(original.get(), ref::Output, 0.8125f);
        setParam(original.get(), ref::Release, 0.1f);
        setParam(original.get(), ref::Ratio, 0.7f);
        setParam(original.get(), ref::ThrLim, 0.6f);
        setParam(original.get(), ref::LookAhead, 0.4567f);
        setParam(original.get(), ref::Bypass, 1.0f);
        std::string name = "Session " + std::to_string(program);
        dispatch(original.get(), effSetProgramName, 0, 0, name.data());
        HostView saved = viewOf(original.get());

        Instance restored;
        ASSERT_NE(restored.get(), nullptr);
        restoreSession(restored.get(), program, name, savedValues(original.get()));
        expectSameView(saved, viewOf(restored.get()));
    }
}
