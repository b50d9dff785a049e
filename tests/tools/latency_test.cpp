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
    // "Init" reports 439 samples for its 10 ms look-ahead.
    for (long f = 0; f + 439 < kFrames; ++f)
        ASSERT_EQ(compensated.at(f, 0), delayed.at(f + 439, 0)) << "frame " << f;
    EXPECT_EQ(clickFrames(compensated), (std::vector<long>{kEarly, kLate}));
    EXPECT_EQ(clickFrames(delayed), std::vector<long>{kEarly + 439});
}

TEST(Latency, AnImpulseComesOutAtItsInputIndexForEveryLookAhead) {
    TempFolder dir;
    for (const char* lookAhead : {"0", "0.03", "0.05", "0.1", "1", "2.5", "5", "9.99", "10"}) {
        Sound out = renderClicks(dir, {"--set", std::string("LookAhead=") + lookAhead});
        EXPECT_EQ(clickFrames(out), (std::vector<long>{kEarly, kLate})) << lookAhead;
    }
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
