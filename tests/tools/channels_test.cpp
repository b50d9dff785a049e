// Files with several channels: one plug-in instance per channel.
#include "tests/tools/cli_runner.h"
#include "tests/tools/sound_files.h"

#include <gtest/gtest.h>

using namespace clitest;

namespace {

Sound monoChannel(const Sound& sound, int c) {
    Sound mono = silence(sound.frames(), 1, sound.format);
    mono.sampleRate = sound.sampleRate;
    mono.samples = sound.channel(c);
    return mono;
}

} // namespace

TEST(Channels, EachChannelIsProcessedAsIfAlone) {
    // Different levels per channel and one silent channel: the compressor of
    // one channel must not act on another.
    TempFolder dir;
    Sound in = tones(30000, 4, 0.95f);
    for (long f = 0; f < in.frames(); ++f) {
        in.at(f, 1) = 0.0f;
        in.at(f, 3) *= f < 15000 ? 0.1f : 1.0f;
    }
    writeSound(dir / "in.wav", in);
    Outcome run = tarvexor({"render", dir / "in.wav", dir / "out.wav"});
    ASSERT_EQ(run.status, 0) << run.err;
    Sound out = readSound(dir / "out.wav");
    ASSERT_EQ(out.channels, 4);
    ASSERT_EQ(out.frames(), in.frames());
    for (int c = 0; c < 4; ++c) {
        writeSound(dir / "mono.wav", monoChannel(in, c));
        ASSERT_EQ(tarvexor({"render", dir / "mono.wav", dir / "mono-out.wav"}).status, 0);
        EXPECT_EQ(out.channel(c), readSound(dir / "mono-out.wav").samples) << "channel " << c;
    }
    EXPECT_EQ(peak(out.channel(1)), 0.0f);
}

TEST(Channels, SixChannelsKeepTheirOrder) {
    TempFolder dir;
    Sound in = tones(8000, 6, 0.3f, SF_FORMAT_WAV | SF_FORMAT_PCM_24);
    writeSound(dir / "in.wav", in);
    Outcome run = tarvexor(
        {"render", dir / "in.wav", dir / "out.wav", "--set", "Bypass=on", "--set", "LookAhead=0"});
    ASSERT_EQ(run.status, 0) << run.err;
    Sound out = readSound(dir / "out.wav");
    EXPECT_EQ(out.channels, 6);
    EXPECT_EQ(out.samples, readSound(dir / "in.wav").samples);
}
