// The thirteen parameters as a host sees them: names, labels, display texts and
// host values over raw and host inputs, the latency LookAhead reports, and the
// plug-in's answers to values no control produces.
#include "tests/host/host_view.h"
#include "tests/host/value_grids.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>

using namespace testhost;
namespace ref = reference;

namespace {

std::string describe(float value) {
    std::ostringstream out;
    out.precision(9);
    out << value;
    return out.str();
}

// Sets a stepped parameter and compares its display and host value with the
// field the value should have produced.
::testing::AssertionResult showsStepped(AEffect* e, int index, float value) {
    setParam(e, index, value);
    std::int64_t field = ref::steppedField(index, value);
    std::string display = parameterDisplay(e, index);
    float host = getParam(e, index);
    if (display == ref::steppedText(index, field) && host == ref::hostValue(index, field))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "parameter " << index << " set to " << describe(value) << ": field " << field
           << " should display \"" << ref::steppedText(index, field) << "\" and read "
           << describe(ref::hostValue(index, field)) << ", got \"" << display << "\" and "
           << describe(host);
}

::testing::AssertionResult showsLookAhead(AEffect* e, float value) {
    setParam(e, ref::LookAhead, value);
    float field = ref::lookAheadField(value);
    std::string expected = ref::lookAheadText(field).substr(0, 23);
    std::string display = parameterDisplay(e, ref::LookAhead);
    float host = getParam(e, ref::LookAhead);
    if (display == expected && host == ref::hostValue(ref::LookAhead, field) &&
        e->initialDelay == ref::latency(field))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "LookAhead set to " << describe(value) << ": field " << describe(field)
           << " should display \"" << expected << "\", read "
           << describe(ref::hostValue(ref::LookAhead, field)) << " and report latency "
           << ref::latency(field) << "; got \"" << display << "\", " << describe(host) << ", "
           << e->initialDelay;
}

const char* const kNames[] = {"Soft     ", "Normalize", "Dither   ", "Bypass   ", "ThrComp  ",
                              "Output   ", "Release  ", "Ratio    ", "Zoom     ", "---      ",
                              "AutoRel  ", "ThrLim   ", "LookAhead"};
const char* const kLabels[] = {"   ", "   ", "   ", "   ", "dB ", "dB ", "ms ",
                               "   ", "   ", "---", "   ", "dB ", "ms "};

} // namespace

TEST(ParameterTexts, NamesAndLabels) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    for (int i = 0; i < ref::ParamCount; ++i) {
        EXPECT_EQ(text(fx.get(), effGetParamName, i), kNames[i]) << "parameter " << i;
        EXPECT_EQ(text(fx.get(), effGetParamLabel, i), kLabels[i]) << "parameter " << i;
    }
}

TEST(ParameterTexts, UnknownIndicesAreDashesAndReadZero) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    HostView before = viewOf(fx.get());
    for (vst::Int32 index : {13, 14, 100, -1, -13, std::numeric_limits<vst::Int32>::max(),
                             std::numeric_limits<vst::Int32>::min()}) {
        EXPECT_EQ(text(fx.get(), effGetParamName, index), " --- ");
        EXPECT_EQ(text(fx.get(), effGetParamLabel, index), " --- ");
        EXPECT_EQ(parameterDisplay(fx.get(), index), " --- ");
        EXPECT_EQ(getParam(fx.get(), index), 0.0f);
        for (float value : {0.5f, 1.0f, 20.0f, -3.0f})
            setParam(fx.get(), index, value);
    }
    expectSameView(before, viewOf(fx.get()));
}

class SteppedParameter : public ::testing::TestWithParam<int> {
  protected:
    Instance fx;
};

TEST_P(SteppedParameter, RawValuesDisplayAsStored) {
    ASSERT_NE(fx.get(), nullptr);
    for (float value : rawValueGrid(static_cast<int>(ref::maximum(GetParam()))))
        ASSERT_TRUE(showsStepped(fx.get(), GetParam(), value));
}

TEST_P(SteppedParameter, HostValuesScaleToTheRange) {
    ASSERT_NE(fx.get(), nullptr);
    for (float value : hostValueGrid())
        ASSERT_TRUE(showsStepped(fx.get(), GetParam(), value));
}

TEST_P(SteppedParameter, AbsurdValuesSaturateInTheirField) {
    ASSERT_NE(fx.get(), nullptr);
    for (float value : absurdValues()) {
        ASSERT_TRUE(showsStepped(fx.get(), GetParam(), value));
        EXPECT_LE(parameterDisplay(fx.get(), GetParam()).size(), 23u);
    }
}

TEST_P(SteppedParameter, TopOfRangeReadsBelowOne) {
    ASSERT_NE(fx.get(), nullptr);
    int index = GetParam();
    float top = ref::maximum(index);
    setParam(fx.get(), index, top);
    EXPECT_EQ(getParam(fx.get(), index), 0.99999f);
    setParam(fx.get(), index, 0.99999f);
    EXPECT_EQ(parameterDisplay(fx.get(), index), ref::steppedText(index, static_cast<int>(top)));
    setParam(fx.get(), index, 0.0f);
    setParam(fx.get(), index, 1.0f); // a host slider's top
    EXPECT_EQ(parameterDisplay(fx.get(), index), ref::steppedText(index, static_cast<int>(top)));
    EXPECT_EQ(getParam(fx.get(), index), 0.99999f);
    setParam(fx.get(), index, 0.0f);
    EXPECT_EQ(getParam(fx.get(), index), 0.0f);
}

INSTANTIATE_TEST_SUITE_P(Each, SteppedParameter,
                         ::testing::Values(ref::ThrComp, ref::Output, ref::Release, ref::Ratio,
                                           ref::Zoom, ref::ThrLim),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return ref::shortName(info.param);
                         });

TEST(SteppedValues, ExamplesFromTheControls) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    AEffect* e = fx.get();
    setParam(e, ref::ThrComp, 0.5f);
    EXPECT_EQ(parameterDisplay(e, ref::ThrComp), "-18.0");
    EXPECT_EQ(getParam(e, ref::ThrComp), 0.5f);
    setParam(e, ref::ThrComp, 1.0f);
    EXPECT_EQ(parameterDisplay(e, ref::ThrComp), "-36.0");
    setParam(e, ref::ThrComp, 1.5f);
    EXPECT_EQ(parameterDisplay(e, ref::ThrComp), "-0.5");
    setParam(e, ref::Output, 16000.0f);
    EXPECT_EQ(parameterDisplay(e, ref::Output), "8.00");
    setParam(e, ref::Ratio, 6.0f);
    EXPECT_EQ(parameterDisplay(e, ref::Ratio), "3.0 : 1");
    setParam(e, ref::Release, 250.0f);
    EXPECT_EQ(parameterDisplay(e, ref::Release), "250");
    setParam(e, ref::Zoom, 25.0f);
    EXPECT_GT(getParam(e, ref::Zoom), 1.0f);
    EXPECT_EQ(getParam(e, ref::Zoom), 25.0f / 20.0f);
    setParam(e, ref::ThrComp, 1e6f);
    EXPECT_EQ(parameterDisplay(e, ref::ThrComp), "-16383.5");
}

TEST(Switches, TakeTheirValueTruncated) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    for (int index : {ref::Soft, ref::Dither, ref::Bypass}) {
        for (float value : {1.0f, 0.7f, 0.0f, 2.0f, -1.0f, 1.9f, -0.5f, 0.99999f, 1e-30f, 40000.0f,
                            -1e9f, 3.0e38f, 1.0f}) {
            HostView before = viewOf(fx.get());
            setParam(fx.get(), index, value);
            std::int16_t field = ref::truncated<std::int16_t>(value);
            HostView after = viewOf(fx.get());
            before.displays[index] = ref::onOff(field != 0);
            before.values[index] = field;
            SCOPED_TRACE("switch " + std::to_string(index) + " set to " + describe(value));
            expectSameView(before, after);
        }
    }
}

TEST(FreeValues, SpareAndAutoRelKeepExactlyWhatTheyGet) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    for (int index : {ref::Spare, ref::AutoRel}) {
        for (float value : {0.7f, 1.0f, 0.0f, -0.0f, -3.25f, 12345.5f, 1e30f, -1e30f, 0.99999f,
                            1e-30f, std::nextafter(1.0f, 2.0f), 2.0f, 1.0f}) {
            HostView before = viewOf(fx.get());
            setParam(fx.get(), index, value);
            HostView after = viewOf(fx.get());
            before.values[index] = value;
            before.displays[index] = index == ref::Spare ? "---" : ref::onOff(value == 1.0f);
            SCOPED_TRACE("parameter " + std::to_string(index) + " set to " + describe(value));
            expectSameView(before, after);
        }
    }
}

TEST(LookAhead, RawValuesKeepTheirFractions) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    for (float value : rawValueGrid(1000))
        ASSERT_TRUE(showsLookAhead(fx.get(), value));
    for (float value : {2.265f, 2.266f, 2.267f, 3.0f, 999.0f, 999.3f, 999.5f, 1000.5f, 1001.5f,
                        1001.6f, 1002.0f, 0.0f})
        ASSERT_TRUE(showsLookAhead(fx.get(), value));
}

TEST(LookAhead, HostValuesAreWholeHundredths) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    for (float value : hostValueGrid()) {
        ASSERT_TRUE(showsLookAhead(fx.get(), value));
        float host = getParam(fx.get(), ref::LookAhead);
        if (host == 0.99999f) continue; // 1000, read back below one
        float hundredths = host * 1000.0f;
        EXPECT_LT(std::fabs(hundredths - std::round(hundredths)), 0.01f) << describe(value);
    }
}

TEST(LookAhead, LatencyExamples) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    const struct {
        float value;
        const char* display;
        vst::Int32 latency;
    } examples[] = {{999.0f, "10", 439},  {0.0f, " 0", 0},   {3.0f, " 0", 0},
                    {1000.0f, "10", 440}, {0.5f, " 5", 219}, {0.99999f, "10", 440},
                    {1.0f, "10", 440}};
    for (const auto& x : examples) {
        setParam(fx.get(), ref::LookAhead, x.value);
        EXPECT_EQ(parameterDisplay(fx.get(), ref::LookAhead), x.display) << x.value;
        EXPECT_EQ(fx->initialDelay, x.latency) << x.value;
    }
}

TEST(LookAhead, AbsurdValuesGiveShortTextsAndALatencyTheLinesHold) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    for (float value : absurdValues()) {
        ASSERT_TRUE(showsLookAhead(fx.get(), value));
        EXPECT_LE(parameterDisplay(fx.get(), ref::LookAhead).size(), 23u);
        EXPECT_GE(fx->initialDelay, 0);
        EXPECT_LE(fx->initialDelay, 441);
    }
    setParam(fx.get(), ref::LookAhead, 1e30f);
    EXPECT_EQ(parameterDisplay(fx.get(), ref::LookAhead).size(), 23u);
}

TEST(Mends, DisplayTextsStayWithin23Characters) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    for (int index = 0; index < ref::ParamCount; ++index) {
        for (float value : absurdValues()) {
            setParam(fx.get(), index, value);
            WrittenText t = writtenText(fx.get(), effGetParamDisplay, index);
            EXPECT_LE(t.text.size(), 23u) << index << " " << describe(value);
            EXPECT_EQ(t.bytesWritten, t.text.size() + 1) << index << " " << describe(value);
        }
    }
    setParam(fx.get(), ref::Output, -1e9f);
    EXPECT_EQ(parameterDisplay(fx.get(), ref::Output), "720.00");
}

TEST(Mends, NonFiniteValuesChangeNothing) {
    const float nonFinite[] = {
        std::numeric_limits<float>::quiet_NaN(), -std::numeric_limits<float>::quiet_NaN(),
        std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity()};
    for (vst::IntPtr program : {0, 1, 5}) {
        Instance fx;
        ASSERT_NE(fx.get(), nullptr);
        dispatch(fx.get(), effSetProgram, 0, program);
        HostView before = viewOf(fx.get());
        for (int index = -1; index <= ref::ParamCount; ++index)
            for (float value : nonFinite)
                setParam(fx.get(), index, value);
        expectSameView(before, viewOf(fx.get()));
        dispatch(fx.get(), effSetProgram, 0, program);
        expectSameView(before, viewOf(fx.get()));
    }
}
