// What the plug-in tells the host without being asked: a new latency, values
// changed behind the host's back, program names by index. Hosts re-read the
// delay and the parameters only when told, and never expect it from the
// audio thread.
#include "tests/host/host_view.h"

#include <thread>

using namespace testhost;
namespace ref = reference;

namespace {

int callsOf(vst::Int32 opcode) {
    int n = 0;
    for (const HostCall& call : hostCalls())
        n += call.opcode == opcode ? 1 : 0;
    return n;
}

} // namespace

TEST(HostNotices, ProgramsReportTheirAudioDelay) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    const vst::Int32 expected[9] = {439, 439, 439, 439, 439, 0, 0, 0, 0};
    for (int program = 0; program < 9; ++program) {
        dispatch(fx.get(), effSetProgram, 0, program);
        EXPECT_EQ(fx->initialDelay, expected[program]) << "program " << program;
    }
}

TEST(HostNotices, EveryNewLatencyIsAnnouncedOnceAndConstructionNever) {
    hostCalls().clear();
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    EXPECT_EQ(callsOf(audioMasterIOChanged), 0) << "during construction";
    const struct {
        float lookAhead;
        int notices;
    } steps[] = {{999.0f, 0}, {500.0f, 1}, {500.4f, 0}, {0.0f, 1},
                 {3.0f, 0},   {5.0f, 1},   {1.0f, 1},   {0.99999f, 0}};
    for (const auto& s : steps) {
        hostCalls().clear();
        setParam(fx.get(), ref::LookAhead, s.lookAhead);
        EXPECT_EQ(callsOf(audioMasterIOChanged), s.notices) << s.lookAhead;
    }
    for (const auto& [program, notices] : {std::pair{5, 1}, {6, 0}, {2, 1}, {3, 0}}) {
        hostCalls().clear();
        dispatch(fx.get(), effSetProgram, 0, program);
        EXPECT_EQ(callsOf(audioMasterIOChanged), notices) << "program " << program;
    }
}

TEST(HostNotices, ProcessingCallsTheHostNever) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    setParam(fx.get(), ref::Normalize, 1.0f);
    hostCalls().clear();
    std::thread audio([&] {
        std::vector<float> loud(4096, 0.9f), out(4096);
        for (int block = 0; block < 50; ++block)
            processBlock(fx.get(), loud.data(), out.data(), 4096);
    });
    const std::thread::id audioThread = audio.get_id();
    audio.join();
    for (const HostCall& call : hostCalls())
        EXPECT_NE(call.thread, audioThread) << "opcode " << call.opcode;
}

TEST(HostNotices, ValuesChangedBehindTheHostAreAnnounced) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    const auto announced = [&](auto&& change) {
        hostCalls().clear();
        change();
        return callsOf(audioMasterUpdateDisplay);
    };
    EXPECT_EQ(announced([&] { dispatch(fx.get(), effSetProgram, 0, 1); }), 1);
    // Normalize is on in "Mastering 2": ThrLim pulls Output along.
    EXPECT_EQ(announced([&] { dispatch(fx.get(), effSetProgram, 0, 2); }), 1);
    EXPECT_EQ(announced([&] { setParam(fx.get(), ref::ThrLim, 20.0f); }), 1);
    EXPECT_EQ(announced([&] { setParam(fx.get(), ref::Ratio, 10.0f); }), 0);
    EXPECT_EQ(announced([&] { setParam(fx.get(), ref::Normalize, 0.0f); }), 0);
    EXPECT_EQ(announced([&] { setParam(fx.get(), ref::ThrLim, 12.0f); }), 0);
    EXPECT_EQ(announced([&] { setParam(fx.get(), ref::Normalize, 1.0f); }), 1)
        << "switching on sets +24 dB";
}

TEST(HostNotices, ProgramNamesByIndex) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    const char* const names[9] = {"Init",        "Mastering 1", "Mastering 2",
                                  "Mastering 3", "Mastering 4", "Violator",
                                  "User 1",      "User 2",      "User 3"};
    char renamed[] = "A name longer than twenty-three characters";
    dispatch(fx.get(), effSetProgramName, 0, 0, renamed);
    for (int index = -1; index <= 9; ++index) {
        WrittenText t = writtenText(fx.get(), effGetProgramNameIndexed, index);
        const bool exists = index >= 0 && index < 9;
        EXPECT_EQ(t.answer, exists ? 1 : 0) << index;
        if (index == 0)
            EXPECT_EQ(t.text, std::string(renamed).substr(0, 23));
        else if (exists)
            EXPECT_EQ(t.text, names[index]);
        else
            EXPECT_EQ(t.bytesWritten, 0u) << index;
    }
    EXPECT_EQ(dispatch(fx.get(), effGetProgramNameIndexed, 3, -1, nullptr), 0);
    EXPECT_EQ(dispatch(fx.get(), effGetProgram), 0) << "listing selects nothing";
}
