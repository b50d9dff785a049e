// Bad input: one line on stderr naming the problem, exit status 2 for a wrong
// command line and 1 for a file or plug-in that fails, and no output written.
#include "tests/tools/cli_runner.h"
#include "tests/tools/sound_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace clitest;

namespace {

constexpr int kUsage = 2;
constexpr int kRuntime = 1;

void expectRefused(const Outcome& run, int status, const std::string& says) {
    EXPECT_EQ(run.status, status) << run.err;
    EXPECT_NE(run.err.find(says), std::string::npos) << "stderr: " << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(run.out, "");
}

// A folder with a good input and an existing output that must survive.
class BadRender : public ::testing::Test {
  protected:
    void SetUp() override {
        writeSound(dir / "in.wav", tones(3000, 1, 0.5f));
        writeText(dir / "out.wav", "precious");
        before = readText(dir / "in.wav");
    }
    Outcome render(std::vector<std::string> options, std::string in = "", std::string out = "") {
        std::vector<std::string> args{"render", in.empty() ? dir / "in.wav" : in,
                                      out.empty() ? dir / "out.wav" : out};
        args.insert(args.end(), options.begin(), options.end());
        return tarvexor(args);
    }
    void expectNothingWritten() {
        EXPECT_EQ(readText(dir / "out.wav"), "precious");
        EXPECT_EQ(readText(dir / "in.wav"), before);
        std::vector<std::string> names = dir.names();
        for (const char* extra : {"in.wav", "out.wav"})
            names.erase(std::remove(names.begin(), names.end(), extra), names.end());
        std::sort(extras.begin(), extras.end());
        EXPECT_EQ(names, extras) << "no temporary or partial file may be left";
    }
    TempFolder dir;
    std::string before;
    std::vector<std::string> extras; // files a test put there itself
};

} // namespace

TEST_F(BadRender, MissingInput) {
    expectRefused(render({}, dir / "none.wav"), kRuntime, "none.wav");
    expectNothingWritten();
}

TEST_F(BadRender, InputIsAFolder) {
    std::filesystem::create_directory(dir / "sub");
    extras = {"sub"};
    expectRefused(render({}, dir / "sub"), kRuntime, "is a folder");
    expectNothingWritten();
}

TEST_F(BadRender, InputNotAudio) {
    writeText(dir / "text.wav", "this is not a sound file at all");
    extras = {"text.wav"};
    expectRefused(render({}, dir / "text.wav"), kRuntime, "cannot read");
    expectNothingWritten();
}

TEST_F(BadRender, OutputIsTheInput) {
    expectRefused(render({}, dir / "in.wav", dir / "in.wav"), kUsage, "is the input");
    expectRefused(render({}, dir / "in.wav", dir / "./in.wav"), kUsage, "is the input");
    std::filesystem::create_symlink(dir / "in.wav", dir / "link.wav");
    extras = {"link.wav"};
    expectRefused(render({}, dir / "in.wav", dir / "link.wav"), kUsage, "is the input");
    expectNothingWritten();
}

TEST_F(BadRender, MissingOutputFolder) {
    expectRefused(render({}, "", dir / "nowhere/out.wav"), kRuntime, "does not exist");
    expectNothingWritten();
}

TEST_F(BadRender, UnknownProgram) {
    expectRefused(render({"--program", "Mastering 9"}), kUsage, "unknown program Mastering 9");
    expectRefused(render({"--program", "9"}), kUsage, "unknown program 9");
    expectNothingWritten();
}

TEST_F(BadRender, UnknownParameter) {
    expectRefused(render({"--set", "Threshold=-3"}), kUsage, "unknown parameter Threshold");
    expectRefused(render({"--set", "---=1"}), kUsage, "cannot be set");
    expectNothingWritten();
}

TEST_F(BadRender, ValueNotANumber) {
    for (const char* setting : {"ThrComp=loud", "Output=", "Release=12x", "Ratio=nan"})
        expectRefused(render({"--set", setting}), kUsage, std::string(setting) + ": not a number");
    expectRefused(render({"--set", "Soft=maybe"}), kUsage, "expected on or off");
    expectNothingWritten();
}

TEST_F(BadRender, ValueOutsideTheControlsRange) {
    for (const char* setting : {"ThrComp=-36.5", "ThrComp=3", "ThrLim=-25", "Output=-1",
                                "Output=24.5", "Release=9", "Release=1000", "Ratio=0.5", "Ratio=31",
                                "LookAhead=-1", "LookAhead=10.1", "Zoom=0", "Zoom=21"})
        expectRefused(render({"--set", setting}), kUsage, std::string(setting) + ": outside");
    expectNothingWritten();
}

TEST_F(BadRender, PluginThatIsNoPlugin) {
    writeText(dir / "fake.so", "not a library");
    extras = {"fake.so"};
    expectRefused(render({"--plugin", dir / "none.so"}), kRuntime, "not found");
    expectRefused(render({"--plugin", dir / "fake.so"}), kRuntime, "cannot load plug-in");
    expectRefused(render({"--plugin", NO_ENTRY_PLUGIN}), kRuntime, "is not a VST 2 plug-in");
    expectRefused(render({"--plugin", NULL_ENTRY_PLUGIN}), kRuntime, "returned no effect");
    expectNothingWritten();
}

TEST_F(BadRender, FormatThatCannotBeWritten) {
    expectRefused(render({"--format", "ogg"}), kUsage, "--format ogg");
    expectRefused(render({"--format", "flac,float"}), kUsage, "cannot write");
    expectNothingWritten();
}

TEST_F(BadRender, ReportPathRefusedBeforeRendering) {
    std::filesystem::create_directory(dir / "sub");
    extras = {"sub"};
    const std::pair<std::string, std::string> usage[] = {{dir / "in.wav", "is the input file"},
                                                         {dir / "out.wav", "is the output file"}};
    for (const auto& [report, says] : usage)
        expectRefused(render({"--report", report}), kUsage, "the report " + report + " " + says);
    expectRefused(render({"--report", dir / "sub"}), kRuntime, "is a folder");
    expectRefused(render({"--report", dir / "nowhere/r.json"}), kRuntime, "does not exist");
    expectNothingWritten();
}

TEST(BadCommandLine, RefusedWithUsageStatus) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "no command"},
        {{"mix"}, "unknown command mix"},
        {{"render", "a.wav"}, "render needs IN and OUT"},
        {{"render", "a.wav", "b.wav", "c.wav"}, "render needs IN and OUT"},
        {{"render", "a.wav", "b.wav", "--loud"}, "unknown option --loud"},
        {{"render", "a.wav", "b.wav", "--block", "0"}, "--block 0"},
        {{"render", "a.wav", "b.wav", "--block"}, "--block needs a value"},
        {{"render", "a.wav", "b.wav", "--set", "ThrComp"}, "expected NAME=VALUE"},
        {{"render", "a.wav", "b.wav", "--report"}, "--report needs a value"},
        {{"render", "a.wav", "b.wav", "--report="}, "--report needs a file name"},
        {{"info", "--format", "flac"}, "does not apply to info"},
        {{"info", "--report", "r.json"}, "--report does not apply to info"},
        {{"info", "extra"}, "info takes no file"},
        {{"info", "--set", "ThrComp=-40"}, "outside the range -36 to 0 dB"},
        {{"info", "--program", "Loudest"}, "unknown program Loudest"},
    };
    for (const auto& [args, says] : cases)
        expectRefused(tarvexor(args), kUsage, says);
}

TEST(BadCommandLine, HelpIsNoError) {
    for (const char* help : {"--help", "-h", "help"}) {
        Outcome run = tarvexor({help});
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.out.find("tarvexor render IN OUT"), std::string::npos);
        EXPECT_NE(run.out.find("one plug-in instance per channel"), std::string::npos);
    }
}
