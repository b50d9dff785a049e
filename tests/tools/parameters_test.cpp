// Parameters in the units the plug-in displays, and programs by name or index.
#include "tests/tools/cli_runner.h"
#include "tests/tools/sound_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>

using namespace clitest;

namespace {

Outcome info(std::vector<std::string> options) {
    options.insert(options.begin(), "info");
    return tarvexor(options);
}

// The display text `info` shows for a parameter: words joined by single blanks.
std::string display(const std::string& infoText, const std::string& name) {
    std::smatch match;
    std::regex row("\\n +[0-9]+ +" + name + " +(\\S+(?: \\S+)*)");
    return std::regex_search(infoText, match, row) ? match[1].str() : "(no row for " + name + ")";
}

std::string displayAfter(const std::string& setting, const std::string& name) {
    Outcome run = info({"--set", setting});
    EXPECT_EQ(run.status, 0) << setting << ": " << run.err;
    return display(run.out, name);
}

std::string currentProgram(const std::string& infoText) {
    std::smatch match;
    std::regex row("\\n +[0-9]+ +(.*)  \\(current\\)");
    return std::regex_search(infoText, match, row) ? match[1].str() : "";
}

} // namespace

TEST(Parameters, InfoShowsUserValuesAsTheDisplayDoes) {
    const struct {
        const char* setting;
        const char* name;
        const char* shown;
    } cases[] = {
        {"ThrComp=-12", "ThrComp", "-12.0"},
        {"ThrComp=-12.2", "ThrComp", "-12.0"},
        {"ThrComp=-36", "ThrComp", "-36.0"},
        {"ThrComp=-0.5dB", "ThrComp", "-0.5"},
        {"ThrLim=-3.5", "ThrLim", "-3.5"},
        {"ThrLim=-24", "ThrLim", "-24.0"},
        {"Output=+3", "Output", "3.00"},
        {"Output=24 dB", "Output", "24.00"},
        {"Output=+3.3333", "Output", "3.33"},
        {"Output=0", "Output", "0.00"},
        {"Release=100", "Release", "100"},
        {"Release=999ms", "Release", "999"},
        {"Release=10", "Release", "10"},
        {"Ratio=4", "Ratio", "4.0 : 1"},
        {"Ratio=1.5", "Ratio", "1.5 : 1"},
        {"Ratio=30", "Ratio", "30.0 : 1"},
        {"Ratio=1", "Ratio", "1.0 : 1"},
        {"LookAhead=5", "LookAhead", "5"},
        {"Zoom=7", "Zoom", "7"},
        {"Zoom=1", "Zoom", "1"},
        {"Soft=off", "Soft", "Off"},
        {"Normalize=on", "Normalize", "On"},
        {"Dither=ON", "Dither", "On"},
        {"Bypass=1", "Bypass", "On"},
        {"AutoRel=off", "AutoRel", "Off"},
        {"autorel=no", "AutoRel", "Off"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(displayAfter(c.setting, c.name), c.shown) << c.setting;
}

TEST(Parameters, LookAheadInMillisecondsSetsTheLatency) {
    EXPECT_NE(info({"--set", "LookAhead=5"}).out.find("latency    219 samples"), std::string::npos);
    EXPECT_NE(info({"--set", "LookAhead=10"}).out.find("latency    440 samples"),
              std::string::npos);
    EXPECT_NE(info({"--set", "LookAhead=0"}).out.find("latency    0 samples"), std::string::npos);
    EXPECT_NE(info({"--set", "LookAhead=0.03"}).out.find("latency    0 samples"),
              std::string::npos);
}

TEST(Parameters, ProgramsByNameOrIndexThenSettings) {
    Outcome byName = info({"--program", "Mastering 2"});
    ASSERT_EQ(byName.status, 0) << byName.err;
    EXPECT_EQ(currentProgram(byName.out), "Mastering 2");
    EXPECT_EQ(display(byName.out, "ThrComp"), "-14.0");
    EXPECT_EQ(display(byName.out, "Ratio"), "2.0 : 1");

    Outcome byIndex = info({"--program", "5"});
    ASSERT_EQ(byIndex.status, 0) << byIndex.err;
    EXPECT_EQ(currentProgram(byIndex.out), "Violator");
    EXPECT_NE(byIndex.out.find("latency    0 samples"), std::string::npos);

    Outcome anyCase = info({"--program", "user 2"});
    EXPECT_EQ(currentProgram(anyCase.out), "User 2");

    Outcome thenSet = info({"--program", "Violator", "--set", "ThrComp=-12"});
    EXPECT_EQ(display(thenSet.out, "ThrComp"), "-12.0");
    EXPECT_EQ(display(thenSet.out, "Ratio"), "30.0 : 1");
}

TEST(Parameters, InfoListsIdentityAndAllPrograms) {
    Outcome run = info({});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* line : {"effect     Tarvexor", "vendor     OrbaneWeb", "product    Tarvexor",
                             "unique id  KvRw", "inputs     1", "outputs    1",
                             "latency    439 samples", "parameters (13)", "programs (9)"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
    EXPECT_EQ(currentProgram(run.out), "Init");
    for (const char* name : {"Init", "Mastering 1", "Mastering 4", "Violator", "User 3"})
        EXPECT_NE(run.out.find(name), std::string::npos) << name;
}

TEST(Parameters, OutputGainInDecibelsReachesTheAudio) {
    // Thresholds at 0 dBFS and no look-ahead: a quiet tone only gets the gain.
    TempFolder dir;
    writeSound(dir / "in.wav", tones(4410, 1, 0.1f));
    Outcome run = tarvexor({"render", dir / "in.wav", dir / "out.wav", "--set", "ThrComp=0",
                            "--set", "ThrLim=0", "--set", "LookAhead=0", "--set", "Output=+6"});
    ASSERT_EQ(run.status, 0) << run.err;
    Sound in = readSound(dir / "in.wav"), out = readSound(dir / "out.wav");
    ASSERT_EQ(out.frames(), in.frames());
    const float gain = static_cast<float>(std::pow(10.0, 6.0 / 20.0));
    for (long f = 0; f < in.frames(); ++f)
        ASSERT_NEAR(out.at(f, 0), gain * in.at(f, 0), 1e-6f) << "frame " << f;
}
