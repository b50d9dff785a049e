// Every dispatcher opcode's answer, the texts the plug-in hands out and how it
// copes with a host that passes no buffer.
#include "tests/host/host_view.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

using namespace testhost;

namespace {

struct Answer {
    vst::Int32 opcode;
    vst::IntPtr result;
};

// The answer to every opcode but effClose and the editor requests, asked with
// index 0, value 0, an empty text in ptr and opt 0.
const std::vector<Answer> kAnswers = {
    {effOpen, 0},
    {effSetProgram, 0},
    {effGetProgram, 0},
    {effSetProgramName, 0},
    {effGetProgramName, 0},
    {effGetParamLabel, 0},
    {effGetParamDisplay, 0},
    {effGetParamName, 0},
    {effGetVu, 0},
    {effSetSampleRate, 0},
    {effSetBlockSize, 0},
    {effMainsChanged, 0},
    {effEditDraw, 0},
    {effEditMouse, 0},
    {effEditKey, 0},
    {effEditTop, 0},
    {effEditSleep, 0},
    {effIdentify, vst::fourCC("NvEf")},
    {effGetChunk, 0},
    {effSetChunk, 0},
    {effProcessEvents, 0},
    {effCanBeAutomated, 1},
    {effString2Parameter, 0},
    {effGetNumProgramCategories, 1},
    {effGetProgramNameIndexed, 1},
    {effCopyProgram, 0},
    {effConnectInput, 1},
    {effConnectOutput, 1},
    {effGetInputProperties, 0},
    {effGetOutputProperties, 0},
    {effGetPlugCategory, 0},
    {effGetCurrentPosition, 0},
    {effGetDestinationBuffer, 0},
    {effOfflineNotify, 0},
    {effOfflinePrepare, 0},
    {effOfflineRun, 0},
    {effProcessVarIo, 0},
    {effSetSpeakerArrangement, 0},
    {effSetBlockSizeAndSampleRate, 1},
    {effSetBypass, 0},
    {effGetEffectName, 1},
    {effGetErrorText, 0},
    {effGetVendorString, 1},
    {effGetProductString, 1},
    {effGetVendorVersion, 0},
    {effVendorSpecific, 0},
    {effCanDo, -1},
    {effGetTailSize, 0},
    {effIdle, 0},
    {effGetIcon, 0},
    {effSetViewPosition, 0},
    {effGetParameterProperties, 0},
    {effKeysRequired, 1},
    {effGetVstVersion, 2},
};

// Opcodes that only answer: they must neither write into the host's buffer
// nor change anything a host can read.
// clang-format off
const std::vector<vst::Int32> kAnswerOnly = {
    effOpen, effGetProgram, effGetVu, effSetSampleRate, effSetBlockSize, effMainsChanged,
    effEditDraw, effEditMouse, effEditKey, effEditTop, effEditSleep, effIdentify, effGetChunk,
    effSetChunk, effProcessEvents, effCanBeAutomated, effString2Parameter,
    effGetNumProgramCategories, effCopyProgram, effConnectInput,
    effConnectOutput, effGetInputProperties, effGetOutputProperties, effGetPlugCategory,
    effGetCurrentPosition, effGetDestinationBuffer, effOfflineNotify, effOfflinePrepare,
    effOfflineRun, effProcessVarIo, effSetSpeakerArrangement, effSetBlockSizeAndSampleRate,
    effSetBypass, effGetErrorText, effGetVendorVersion, effVendorSpecific, effGetTailSize,
    effIdle, effGetIcon, effSetViewPosition, effGetParameterProperties, effKeysRequired,
    effGetVstVersion};
// clang-format on

const std::vector<vst::Int32> kEditorRequests = {effEditGetRect, effEditOpen, effEditClose,
                                                 effEditIdle};

constexpr vst::Int32 kLargest = std::numeric_limits<vst::Int32>::max();
constexpr vst::Int32 kSmallest = std::numeric_limits<vst::Int32>::min();
const std::vector<vst::Int32> kUnknownOpcodes = {59, 60, 64,       100,      1000,
                                                 -1, -2, kLargest, kSmallest};

// Text opcodes: the plug-in reads or writes through ptr.
const std::vector<vst::Int32> kTextOpcodes = {
    effSetProgramName, effGetProgramName, effGetParamLabel,   effGetParamDisplay,
    effGetParamName,   effGetEffectName,  effGetVendorString, effGetProductString};

} // namespace

TEST(Dispatcher, EveryOpcodeAnswersAsDefined) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    for (const Answer& a : kAnswers) {
        char buffer[256] = {};
        EXPECT_EQ(dispatch(fx.get(), a.opcode, 0, 0, buffer, 0.0f), a.result)
            << "opcode " << a.opcode;
    }
}

TEST(Dispatcher, UnknownOpcodesAnswerZeroAndTouchNothing) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    HostView before = viewOf(fx.get());
    for (vst::Int32 opcode : kUnknownOpcodes) {
        char buffer[64];
        std::memset(buffer, 'x', sizeof(buffer));
        EXPECT_EQ(dispatch(fx.get(), opcode, 3, 7, buffer, 0.5f), 0) << "opcode " << opcode;
        EXPECT_EQ(dispatch(fx.get(), opcode, 0, 0, nullptr, 0.0f), 0) << "opcode " << opcode;
        for (char c : buffer)
            EXPECT_EQ(c, 'x') << "opcode " << opcode;
    }
    expectSameView(before, viewOf(fx.get()));
}

TEST(Dispatcher, AnswerOnlyOpcodesLeaveBufferAndParametersAlone) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    dispatch(fx.get(), effSetProgram, 0, 3);
    setParam(fx.get(), reference::ThrComp, 33.0f);
    HostView before = viewOf(fx.get());
    for (vst::Int32 opcode : kAnswerOnly) {
        for (vst::Int32 index : {0, 4, 12}) {
            char buffer[256];
            std::memset(buffer, 'x', sizeof(buffer));
            buffer[sizeof(buffer) - 1] = 0;
            dispatch(fx.get(), opcode, index, 1, buffer, 0.25f);
            for (std::size_t i = 0; i + 1 < sizeof(buffer); ++i)
                ASSERT_EQ(buffer[i], 'x') << "opcode " << opcode << " wrote byte " << i;
        }
    }
    expectSameView(before, viewOf(fx.get()));
}

// Builds without a window system have no editor; there the editor requests
// answer 0 and do nothing.
TEST(Dispatcher, EditorRequestsWithoutEditorAnswerZero) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    if (fx->flags & effFlagsHasEditor) GTEST_SKIP() << "this build has an editor";
    HostView before = viewOf(fx.get());
    for (vst::Int32 opcode : kEditorRequests) {
        ERect* rect = nullptr;
        EXPECT_EQ(dispatch(fx.get(), opcode, 0, 0, &rect), 0) << "opcode " << opcode;
        EXPECT_EQ(rect, nullptr) << "opcode " << opcode;
        EXPECT_EQ(dispatch(fx.get(), opcode, 0, 0, nullptr), 0) << "opcode " << opcode;
    }
    expectSameView(before, viewOf(fx.get()));
}

TEST(Dispatcher, IdentityAnswers) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    EXPECT_EQ(dispatch(fx.get(), effIdentify), 0x4E764566);
    EXPECT_EQ(dispatch(fx.get(), effGetVstVersion), 2);
    EXPECT_EQ(dispatch(fx.get(), effKeysRequired), 1);
    EXPECT_EQ(dispatch(fx.get(), effGetPlugCategory), 0);
    EXPECT_EQ(dispatch(fx.get(), effGetNumProgramCategories), 1);
    EXPECT_EQ(dispatch(fx.get(), effSetBlockSizeAndSampleRate, 0, 512, nullptr, 48000.0f), 1);
    for (vst::Int32 index = 0; index < 13; ++index)
        EXPECT_EQ(dispatch(fx.get(), effCanBeAutomated, index), 1) << "parameter " << index;
}

TEST(Dispatcher, VuAnswersZeroEvenWhileLoud) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    EXPECT_NE(fx->flags & effFlagsHasVu, 0);
    std::vector<float> loud(4096, 0.9f);
    processAll(fx.get(), loud, 512);
    EXPECT_EQ(dispatch(fx.get(), effGetVu), 0);
}

TEST(Dispatcher, NamesOfEffectVendorAndProduct) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    const std::pair<vst::Int32, std::string> names[] = {{effGetEffectName, "Tarvexor"},
                                                        {effGetVendorString, "OrbaneWeb"},
                                                        {effGetProductString, "Tarvexor"}};
    for (const auto& [opcode, expected] : names) {
        WrittenText t = writtenText(fx.get(), opcode);
        EXPECT_EQ(t.answer, 1) << "opcode " << opcode;
        EXPECT_EQ(t.text, expected);
        EXPECT_EQ(t.bytesWritten, expected.size() + 1) << "opcode " << opcode;
    }
}

TEST(Dispatcher, CanDoOnlyOneInOneOut) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    char yes[] = "1in1out";
    EXPECT_EQ(dispatch(fx.get(), effCanDo, 0, 0, yes), 1);
    for (const char* other : {"",
                              "1in2out",
                              "2in2out",
                              "2in1out",
                              "1in1out ",
                              " 1in1out",
                              "1IN1OUT",
                              "1in1",
                              "1in1outx",
                              "bypass",
                              "receiveVstEvents",
                              "receiveVstMidiEvent",
                              "sendVstEvents",
                              "plugAsChannelInsert",
                              "plugAsSend",
                              "mixDryWet",
                              "noRealTime",
                              "offline",
                              "sendVstTimeInfo",
                              "receiveVstTimeInfo",
                              "metapass",
                              "multipass"}) {
        std::vector<char> textCopy(other, other + std::strlen(other) + 1);
        EXPECT_EQ(dispatch(fx.get(), effCanDo, 0, 0, textCopy.data()), -1) << '"' << other << '"';
    }
}

TEST(Dispatcher, NullPtrOnTextOpcodesAnswersZero) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    HostView before = viewOf(fx.get());
    for (vst::Int32 opcode : kTextOpcodes)
        for (vst::Int32 index = -1; index <= 13; ++index)
            EXPECT_EQ(dispatch(fx.get(), opcode, index, 0, nullptr), 0)
                << "opcode " << opcode << " index " << index;
    for (vst::Int32 opcode :
         {effGetChunk, effSetChunk, effString2Parameter, effGetProgramNameIndexed})
        EXPECT_EQ(dispatch(fx.get(), opcode, 0, 0, nullptr), 0) << "opcode " << opcode;
    EXPECT_EQ(dispatch(fx.get(), effCanDo, 0, 0, nullptr), -1);
    expectSameView(before, viewOf(fx.get()));
}

TEST(Dispatcher, TextsNeverRunPastTheirZero) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    for (vst::Int32 opcode : {effGetParamLabel, effGetParamDisplay, effGetParamName}) {
        for (vst::Int32 index = -3; index <= 15; ++index) {
            WrittenText t = writtenText(fx.get(), opcode, index);
            EXPECT_EQ(t.answer, 0);
            EXPECT_EQ(t.bytesWritten, t.text.size() + 1) << "opcode " << opcode << " " << index;
            EXPECT_LE(t.text.size(), 23u);
        }
    }
    WrittenText name = writtenText(fx.get(), effGetProgramName);
    EXPECT_EQ(name.answer, 0);
    EXPECT_EQ(name.text, "Init");
    EXPECT_EQ(name.bytesWritten, 5u);
}

TEST(Dispatcher, GetProgramFollowsSetProgram) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    for (vst::IntPtr program : {3, 8, 0, 5, 1, 7, 2, 6, 4})
        EXPECT_EQ(dispatch(fx.get(), effSetProgram, 0, program), 0);
    EXPECT_EQ(dispatch(fx.get(), effGetProgram), 4);
    for (vst::IntPtr program = 0; program < 9; ++program) {
        dispatch(fx.get(), effSetProgram, 0, program);
        EXPECT_EQ(dispatch(fx.get(), effGetProgram), program);
    }
}
