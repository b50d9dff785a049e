// A Linux VST 2 plug-in we did not write, hosted the same way.
#include "tests/tools/cli_runner.h"
#include "tests/tools/sound_files.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace clitest;

namespace {

class ForeignPlugin : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(exists(FOREIGN_PLUGIN))
            << FOREIGN_PLUGIN << " is missing: install the Debian package lsp-plugins-vst";
        // The foreign plug-in leaves some memory of its own behind when it is
        // unloaded; under the sanitizers only our own leaks are of interest.
        const char* options = std::getenv("ASAN_OPTIONS");
        savedOptions = options ? options : "";
        hadOptions = options != nullptr;
        setenv("ASAN_OPTIONS", (savedOptions + ":detect_leaks=0").c_str(), 1);
    }
    void TearDown() override {
        if (hadOptions)
            setenv("ASAN_OPTIONS", savedOptions.c_str(), 1);
        else
            unsetenv("ASAN_OPTIONS");
    }
    std::string savedOptions;
    bool hadOptions = false;
};

} // namespace

TEST_F(ForeignPlugin, InfoShowsItsIdentityAndParameters) {
    Outcome run = tarvexor({"info", "--plugin", FOREIGN_PLUGIN});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("effect     Limiter Mono"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("vendor     LSP"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("inputs     1"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("bypass"), std::string::npos) << run.out;
}

TEST_F(ForeignPlugin, RendersWithItsLatencyCompensated) {
    // Its look-ahead delays the signal; it reports the delay only once it
    // has started processing. Quiet clicks pass its limiter unchanged.
    TempFolder dir;
    Sound in = silence(30000, 2);
    in.at(4000, 0) = 0.25f;
    in.at(29990, 1) = -0.25f;
    writeSound(dir / "in.wav", in);
    Outcome run = tarvexor({"render", dir / "in.wav", dir / "out.wav", "--plugin", FOREIGN_PLUGIN});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find("latency 0 samples"), std::string::npos) << run.out;
    Sound out = readSound(dir / "out.wav");
    ASSERT_EQ(out.frames(), in.frames());
    ASSERT_EQ(out.channels, 2);
    EXPECT_EQ(loudestFrame(out, 0), 4000);
    EXPECT_EQ(loudestFrame(out, 1), 29990);
    EXPECT_NEAR(out.at(4000, 0), 0.25f, 1e-3f);
    EXPECT_NEAR(out.at(29990, 1), -0.25f, 1e-3f);
}

TEST_F(ForeignPlugin, TakesNormalizedValues) {
    TempFolder dir;
    writeSound(dir / "in.wav", tones(2000, 1, 0.3f));
    Outcome good = tarvexor({"render", dir / "in.wav", dir / "out.wav", "--plugin", FOREIGN_PLUGIN,
                             "--set", "bypass=1"});
    EXPECT_EQ(good.status, 0) << good.err;
    Outcome bad = tarvexor(
        {"render", dir / "in.wav", dir / "out.wav", "--plugin", FOREIGN_PLUGIN, "--set", "th=-6"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("outside the range 0 to 1"), std::string::npos) << bad.err;
}
