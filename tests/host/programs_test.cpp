// The nine programs: what each one shows after the host selects it, the
// edits each one remembers, and program names.
#include "tests/host/host_view.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

using namespace testhost;
namespace ref = reference;

namespace {

struct Preset {
    const char* name;
    float values[ref::ParamCount]; // raw, in parameter order
};

// clang-format off
const Preset kPresets[9] = {
//                  Soft Norm Dith Byp ThrC  Output  Rel   Ratio Zoom [9]   AutoRel ThrLim LookAhead
    {"Init",        {1,  0,   0,   0,  20,   24000,  250,  6,    2,   1.0f, 1.0f,   1,     999.0f}},
    {"Mastering 1", {1,  1,   1,   0,  24,   16000,  250,  6,    2,   1.0f, 1.0f,   14,    999.0f}},
    {"Mastering 2", {1,  1,   1,   0,  28,   24000,  250,  4,    2,   1.0f, 1.0f,   12,    999.0f}},
    {"Mastering 3", {1,  1,   1,   0,  28,   14020,  250,  8,    5,   1.0f, 1.0f,   20,    999.0f}},
    {"Mastering 4", {1,  1,   1,   0,  41,   7520,   250,  12,   9,   1.0f, 1.0f,   33,    999.0f}},
    {"Violator",    {1,  1,   0,   0,  60,   16000,  10,   60,   4,   1.0f, 0.0f,   48,    3.0f}},
    {"User 1",      {1,  0,   0,   0,  20,   24000,  600,  20,   2,   1.0f, 0.0f,   1,     3.0f}},
    {"User 2",      {1,  0,   0,   0,  20,   24000,  600,  20,   2,   1.0f, 0.0f,   1,     3.0f}},
    {"User 3",      {1,  0,   0,   0,  20,   24000,  600,  20,   2,   1.0f, 0.0f,   1,     3.0f}},
};
// clang-format on

// What a host reads after selecting a program whose record holds p. With
// Normalize on, Output comes from the limiter threshold.
HostView presetView(int program, const Preset& p) {
    HostView v;
    const float* raw = p.values;
    std::int32_t output = static_cast<std::int32_t>(raw[ref::Output]);
    if (raw[ref::Normalize] != 0.0f) output = ref::linkedOutput(raw[ref::ThrLim]);
    for (int i = 0; i < ref::ParamCount; ++i) {
        if (ref::isSwitch(i)) {
            v.displays[i] = ref::onOff(raw[i] != 0.0f);
            v.values[i] = raw[i];
        } else if (ref::isStepped(i)) {
            std::int64_t field = i == ref::Output ? output : static_cast<std::int64_t>(raw[i]);
            v.displays[i] = ref::steppedText(i, field);
            v.values[i] = ref::hostValue(i, static_cast<double>(field));
        }
    }
    v.displays[ref::Spare] = "---";
    v.values[ref::Spare] = raw[ref::Spare];
    v.displays[ref::AutoRel] = ref::onOff(raw[ref::AutoRel] == 1.0f);
    v.values[ref::AutoRel] = raw[ref::AutoRel];
    v.displays[ref::LookAhead] = ref::lookAheadText(raw[ref::LookAhead]);
    v.values[ref::LookAhead] = ref::hostValue(ref::LookAhead, raw[ref::LookAhead]);
    v.latency = ref::latency(raw[ref::LookAhead]);
    v.program = program;
    v.programName = p.name;
    return v;
}

void selectProgram(AEffect* e, vst::IntPtr program) {
    dispatch(e, effSetProgram, 0, program);
}

void setName(AEffect* e, std::string name) {
    dispatch(e, effSetProgramName, 0, 0, name.data());
}

} // namespace

TEST(Programs, FreshInstanceShowsInit) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    expectSameView(presetView(0, kPresets[0]), viewOf(fx.get()));
    EXPECT_EQ(parameterDisplay(fx.get(), ref::Ratio), "3.0 : 1");
    EXPECT_EQ(parameterDisplay(fx.get(), ref::ThrComp), "-10.0");
    EXPECT_EQ(parameterDisplay(fx.get(), ref::Release), "250");
    EXPECT_EQ(parameterDisplay(fx.get(), ref::AutoRel), "On");
    EXPECT_EQ(parameterDisplay(fx.get(), ref::Output), "0.00");
    EXPECT_EQ(parameterDisplay(fx.get(), ref::ThrLim), "-0.5");
}

TEST(Programs, EachProgramShowsItsPreset) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    for (int pass = 0; pass < 2; ++pass) {
        for (int program = 0; program < 9; ++program) {
            SCOPED_TRACE(kPresets[program].name);
            selectProgram(fx.get(), program);
            expectSameView(presetView(program, kPresets[program]), viewOf(fx.get()));
        }
    }
}

TEST(Programs, NormalizingProgramsDeriveTheirOutput) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    selectProgram(fx.get(), 1);
    EXPECT_EQ(parameterDisplay(fx.get(), ref::Output), "7.00");
    selectProgram(fx.get(), 5);
    EXPECT_EQ(parameterDisplay(fx.get(), ref::Output), "24.00");
    EXPECT_EQ(fx->initialDelay, 0);
    setParam(fx.get(), ref::Output, 20000.0f);
    selectProgram(fx.get(), 0);
    selectProgram(fx.get(), 5);
    EXPECT_EQ(parameterDisplay(fx.get(), ref::Output), "24.00");
}

TEST(Programs, EachProgramRemembersItsEdits) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    AEffect* e = fx.get();
    selectProgram(e, 6);
    const float edits[ref::ParamCount] = {0.0f,  0.0f,  1.0f,  1.0f, 50.0f, 0.625f, 0.5f,
                                          33.0f, 11.0f, 0.25f, 1.0f, 17.0f, 555.5f};
    for (int i = 0; i < ref::ParamCount; ++i)
        setParam(e, i, edits[i]);
    HostView edited = viewOf(e);
    selectProgram(e, 7);
    expectSameView(presetView(7, kPresets[7]), viewOf(e));
    selectProgram(e, 6);
    expectSameView(edited, viewOf(e));
    EXPECT_EQ(parameterDisplay(e, ref::ThrComp), "-25.0");
    EXPECT_EQ(parameterDisplay(e, ref::Output), ref::outputText(15000));
    EXPECT_EQ(fx->initialDelay, ref::latency(555.5f));
    selectProgram(e, 0);
    expectSameView(presetView(0, kPresets[0]), viewOf(e));
}

TEST(Programs, NormalizeSwitchedOnInAProgramLinksItsOutputWhenSelected) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    AEffect* e = fx.get();
    selectProgram(e, 8);
    setParam(e, ref::ThrLim, 12.0f);
    setParam(e, ref::Normalize, 1.0f);
    EXPECT_EQ(parameterDisplay(e, ref::Output), "24.00");
    selectProgram(e, 0);
    selectProgram(e, 8);
    EXPECT_EQ(parameterDisplay(e, ref::Normalize), "On");
    EXPECT_EQ(parameterDisplay(e, ref::Output), ref::outputText(ref::linkedOutput(12.0f)));
    EXPECT_EQ(parameterDisplay(e, ref::Output), "6.00");
}

TEST(Programs, NamesBelongToTheirProgram) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    selectProgram(fx.get(), 7);
    setName(fx.get(), "Bass bus");
    EXPECT_EQ(programName(fx.get()), "Bass bus");
    for (int program = 0; program < 9; ++program) {
        selectProgram(fx.get(), program);
        EXPECT_EQ(programName(fx.get()), program == 7 ? "Bass bus" : kPresets[program].name);
    }
    selectProgram(fx.get(), 7);
    EXPECT_EQ(programName(fx.get()), "Bass bus");
    setName(fx.get(), "");
    EXPECT_EQ(programName(fx.get()), "");
}

TEST(Programs, LongNamesKeep23Characters) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    const std::string forty = "0123456789abcdefghijKLMNOPQRSTUVWXYZ-+=!";
    ASSERT_EQ(forty.size(), 40u);
    for (std::size_t length : {22u, 23u, 24u, 25u, 40u}) {
        setName(fx.get(), forty.substr(0, length));
        WrittenText name = writtenText(fx.get(), effGetProgramName);
        EXPECT_EQ(name.text, forty.substr(0, std::min<std::size_t>(length, 23)));
        EXPECT_LE(name.bytesWritten, 24u);
    }
    for (int program = 1; program < 9; ++program) {
        selectProgram(fx.get(), program);
        setName(fx.get(), forty);
    }
    for (int program = 0; program < 9; ++program) {
        SCOPED_TRACE("program " + std::to_string(program));
        selectProgram(fx.get(), program);
        HostView expected = presetView(program, kPresets[program]);
        expected.programName = forty.substr(0, 23);
        expectSameView(expected, viewOf(fx.get()));
    }
}

TEST(Programs, OutOfRangeSelectionIsIgnored) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    selectProgram(fx.get(), 3);
    setParam(fx.get(), ref::Ratio, 30.0f);
    HostView before = viewOf(fx.get());
    for (vst::IntPtr program :
         {vst::IntPtr{-1}, vst::IntPtr{9}, vst::IntPtr{10}, vst::IntPtr{1000},
          std::numeric_limits<vst::IntPtr>::max(), std::numeric_limits<vst::IntPtr>::min()}) {
        EXPECT_EQ(dispatch(fx.get(), effSetProgram, 0, program), 0);
        expectSameView(before, viewOf(fx.get()));
    }
}

TEST(Programs, SelectingAutomatesNothing) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    hostCalls().clear();
    for (int program = 0; program < 9; ++program)
        selectProgram(fx.get(), program);
    for (int i = 0; i < ref::ParamCount; ++i)
        setParam(fx.get(), i, getParam(fx.get(), i));
    for (const HostCall& call : hostCalls())
        EXPECT_NE(call.opcode, audioMasterAutomate) << "parameter " << call.index;
}
