// A render that takes a while: a progress bar on a terminal, and nothing left
// behind when it is stopped half way.
#include "tests/tools/cli_runner.h"
#include "tests/tools/sound_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <sys/wait.h>
#include <thread>

using namespace clitest;

namespace {

// One frame per processing call makes a 20-second file take a second or more.
std::vector<std::string> slowRender(const TempFolder& dir) {
    writeSound(dir / "in.wav", tones(20 * 44100, 2, 0.5f));
    return {"render", dir / "in.wav", dir / "out.wav", "--block", "1"};
}

} // namespace

TEST(LongRender, ShowsAProgressBarOnATerminalAndErasesIt) {
    TempFolder dir;
    std::string shown = tarvexorOnTerminal(slowRender(dir));
    EXPECT_NE(shown.find("rendering ["), std::string::npos) << shown;
    EXPECT_NE(shown.find("%"), std::string::npos) << shown;
    EXPECT_EQ(shown.substr(shown.size() - 4), "\r\033[K") << shown;
    EXPECT_EQ(readSound(dir / "out.wav").frames(), 20 * 44100);
}

TEST(LongRender, StoppedHalfWayLeavesNothingBehind) {
    TempFolder dir;
    std::vector<std::string> args = slowRender(dir);
    writeText(dir / "out.wav", "precious");
    int pid = startTarvexor(args);
    // Wait for the temporary file to appear, then stop the program.
    for (int i = 0; i < 2000 && dir.names().size() < 3; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_EQ(dir.names().size(), 3u) << "no temporary file seen";
    kill(pid, SIGTERM);
    int status = waitFor(pid);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(readText(dir / "out.wav"), "precious");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"in.wav", "out.wav"}));
}
