// Latency compensation: the reported latency is dropped from the start, the
// end is flushed, and the output is as long as the input.
#include "tests/tools/cli_runner.h"
#include "tests/tools/sound_files.h"

#include <gtest/gtest.h>

using namespace clitest;

namespace {

constexpr long kFrames = 20000;
constexpr long kEarly = 1000;
constexpr long kLate = kFrames - 5; // lost unless the tail is flushed

// Two clicks, quiet enough to pass the compressor and limiter untouched.
Sound twoClicks() {
    Sound sound = silence(kFrames);
    sound.at(kEarly, 0) = 0.25f;
    sound.at(kLate, 0) = -0.25f;
    return sound;
}

Sound renderClicks(const TempFolder& dir, std::vector<std::string> options) {
    writeSound(dir / "in.wav", twoClicks());
    std::vector<std::string> args{"render", dir / "in.wav", dir / "out.wav"};
    args.insert(args.end(), options.begin(), options.end());
    Outcome run = tarvexor(args);
    EXPECT_EQ(run.status, 0) << run.err;
    return readSound(dir / "out.wav");
}

std::vector<long> clickFrames(const Sound& sound) {
    std::vector<long> frames;
    for (long f = 0; f < sound.frames(); ++f)
        if (sound.at(f, 0) != 0.0f) frames.push_back(f);
    return frames;
}

} // namespace

TEST(Latency, CompensationDropsTheReportedLatencyAndFlushesTheEnd) {
    TempFolder dir;
    Sound delayed = renderClicks(dir, {"--no-latency-compensation"});
    Sound compensated = renderClicks(dir, {});
    ASSERT_EQ(delayed.frames(), kFrames);
    ASSERT_EQ(compensated.frames(), kFrames);
    // "Init" reports 440 samples for its 10 ms look-ahead.
    for (long f = 0; f + 440 < kFrames; ++f)
        ASSERT_EQ(compensated.at(f, 0), delayed.at(f + 440, 0)) << "frame " << f;
    std::vector<long> clicks = clickFrames(compensated);
    ASSERT_EQ(clicks.size(), 2u);
    // Both clicks moved by the same amount: the plug-in's audio delay less
    // what it reports, at most a sample.
    long shift = clicks[0] - kEarly;
    EXPECT_LE(std::abs(shift), 1);
    EXPECT_EQ(clicks[1] - kLate, shift);
    EXPECT_EQ(clickFrames(delayed), std::vector<long>{kEarly + 440 + shift});
}

TEST(Latency, ClicksStayInPlaceWhenNothingIsReported) {
    TempFolder dir;
    Sound out = renderClicks(dir, {"--set", "LookAhead=0"});
    ASSERT_EQ(out.frames(), kFrames);
    EXPECT_EQ(clickFrames(out), (std::vector<long>{kEarly, kLate}));
}

TEST(Latency, BlockSizeDoesNotMoveAnything) {
    TempFolder dir;
    Sound reference = renderClicks(dir, {});
    for (const char* block : {"1", "100", "439", "440", "441", "4096", "65536"}) {
        Sound out = renderClicks(dir, {"--block", block});
        EXPECT_EQ(out.samples, reference.samples) << "--block " << block;
    }
}
