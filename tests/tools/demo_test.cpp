// The demo: a fixed mix rendered with "Mastering 2".
#include "tests/tools/cli_runner.h"
#include "tests/tools/sound_files.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace clitest;

TEST(Demo, WritesTheMixAndItsMasteredVersion) {
    TempFolder dir;
    Outcome run = tarvexor({"demo", dir / "new/folder"});
    ASSERT_EQ(run.status, 0) << run.err;
    Sound in = readSound(dir / "new/folder/demo-in.wav");
    Sound out = readSound(dir / "new/folder/demo-out.wav");
    EXPECT_EQ(in.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    EXPECT_EQ(in.channels, 2);
    EXPECT_EQ(in.sampleRate, 44100);
    EXPECT_EQ(in.frames(), 20 * 44100);
    double inPeakDb = 20 * std::log10(peak(in.samples));
    EXPECT_GT(inPeakDb, -0.5);
    EXPECT_LE(inPeakDb, 0.0);
    EXPECT_EQ(out.format, in.format);
    EXPECT_EQ(out.frames(), in.frames());
    EXPECT_NE(out.samples, in.samples);
    EXPECT_NE(run.out.find("program Mastering 2"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("largest gain reduction"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("LUFS"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("latency 439 samples"), std::string::npos) << run.out;
}

TEST(Demo, IsTheSameEveryTime) {
    TempFolder dir;
    ASSERT_EQ(tarvexor({"demo", dir / "a"}).status, 0);
    ASSERT_EQ(tarvexor({"demo", dir / "b"}).status, 0);
    for (const char* name : {"/demo-in.wav", "/demo-out.wav"})
        EXPECT_EQ(readText(dir / "a" + name), readText(dir / "b" + name)) << name;
}
