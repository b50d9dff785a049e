// Rendering files: formats kept or changed, the summary, repeatable output.
#include "tests/tools/cli_runner.h"
#include "tests/tools/sound_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <regex>

using namespace clitest;

namespace {

// The plug-in passes the signal through untouched: Bypass on and no look-ahead
// (Bypass keeps the reported latency of the look-ahead).
const std::vector<std::string> kTransparent = {"--set", "Bypass=on", "--set", "LookAhead=0"};

Outcome render(const std::string& in, const std::string& out,
               std::vector<std::string> options = {}) {
    std::vector<std::string> args{"render", in, out};
    args.insert(args.end(), options.begin(), options.end());
    return tarvexor(args);
}

double summaryNumber(const std::string& summary, const std::string& pattern) {
    std::smatch match;
    if (!std::regex_search(summary, match, std::regex(pattern))) return -1000.0;
    return std::atof(match[1].str().c_str());
}

struct FormatCase {
    const char* name;
    int format;
    int sampleRate;
    int channels;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.name;
}

class RoundTrip : public ::testing::TestWithParam<FormatCase> {};

} // namespace

TEST_P(RoundTrip, KeepsFormatRateChannelsAndSamples) {
    const FormatCase& c = GetParam();
    TempFolder dir;
    Sound in = tones(9000, c.channels, 0.7f, c.format);
    in.sampleRate = c.sampleRate;
    writeSound(dir / "in", in);
    Outcome run = render(dir / "in", dir / "out", kTransparent);
    ASSERT_EQ(run.status, 0) << run.err;
    Sound expected = readSound(dir / "in");
    Sound out = readSound(dir / "out");
    EXPECT_EQ(out.format, c.format);
    EXPECT_EQ(out.sampleRate, c.sampleRate);
    EXPECT_EQ(out.channels, c.channels);
    EXPECT_EQ(out.samples, expected.samples);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, RoundTrip,
    ::testing::Values(FormatCase{"wav16", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 1},
                      FormatCase{"wav24", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 48000, 2},
                      FormatCase{"wavfloat", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 96000, 2},
                      FormatCase{"aiff16", SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 44100, 2},
                      FormatCase{"aiff24", SF_FORMAT_AIFF | SF_FORMAT_PCM_24, 22050, 1},
                      FormatCase{"flac16", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, 2},
                      FormatCase{"flac24", SF_FORMAT_FLAC | SF_FORMAT_PCM_24, 48000, 1}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return info.param.name; });

TEST(Render, FormatOptionChangesTypeOrSampleFormat) {
    TempFolder dir;
    writeSound(dir / "in.wav", tones(5000, 2, 0.5f, SF_FORMAT_WAV | SF_FORMAT_PCM_16));
    Sound source = readSound(dir / "in.wav");
    const std::pair<std::string, int> cases[] = {{"flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16},
                                                 {"float", SF_FORMAT_WAV | SF_FORMAT_FLOAT},
                                                 {"aiff,pcm24", SF_FORMAT_AIFF | SF_FORMAT_PCM_24}};
    for (const auto& [request, format] : cases) {
        std::vector<std::string> options = kTransparent;
        options.insert(options.end(), {"--format", request});
        Outcome run = render(dir / "in.wav", dir / "out", options);
        ASSERT_EQ(run.status, 0) << request << ": " << run.err;
        Sound out = readSound(dir / "out");
        EXPECT_EQ(out.format, format) << request;
        EXPECT_EQ(out.samples, source.samples) << request;
    }
}

TEST(Render, ProcessesTheSignal) {
    TempFolder dir;
    writeSound(dir / "in.wav", tones(44100, 1, 0.9f));
    Outcome run = render(dir / "in.wav", dir / "out.wav");
    ASSERT_EQ(run.status, 0) << run.err;
    Sound out = readSound(dir / "out.wav");
    ASSERT_EQ(out.frames(), 44100);
    // "Init" compresses above -10 dB at 3 : 1 with a soft knee.
    EXPECT_LT(peak(out.samples), 0.75f);
    EXPECT_GT(peak(out.samples), 0.4f);
}

TEST(Render, SummaryOnStdoutAndNothingOnStderrWithoutTerminal) {
    TempFolder dir;
    writeSound(dir / "in.wav", tones(44100, 1, 0.5f));
    Outcome run = render(dir / "in.wav", dir / "out.wav", kTransparent);
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    Sound in = readSound(dir / "in.wav");
    double sum = 0.0;
    for (float x : in.samples)
        sum += static_cast<double>(x) * x;
    double peakDb = 20 * std::log10(peak(in.samples));
    double rmsDb = 10 * std::log10(sum / static_cast<double>(in.samples.size()));
    EXPECT_NEAR(summaryNumber(run.out, R"(input +(-?[0-9.]+) dBFS)"), peakDb, 0.006);
    EXPECT_NEAR(summaryNumber(run.out, R"(input +\S+ dBFS +(-?[0-9.]+) dBFS)"), rmsDb, 0.006);
    EXPECT_NEAR(summaryNumber(run.out, R"(output +(-?[0-9.]+) dBFS)"), peakDb, 0.006);
    EXPECT_NEAR(summaryNumber(run.out, R"(output +\S+ dBFS +(-?[0-9.]+) dBFS)"), rmsDb, 0.006);
    EXPECT_DOUBLE_EQ(summaryNumber(run.out, R"(largest gain reduction ([0-9.]+) dB)"), 0.0);
    EXPECT_NE(run.out.find("latency 0 samples"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("real time"), std::string::npos) << run.out;
}

TEST(Render, SummaryMeasuresGainReduction) {
    // A quiet second, then a loud one: "Init" leaves the first alone and
    // takes the second down by about 4.6 dB at its peaks (soft knee at 3 : 1
    // from -10 dB), a little less between them as the gain recovers.
    TempFolder dir;
    Sound in = tones(88200, 1, 0.9f);
    for (long f = 0; f < 44100; ++f)
        in.at(f, 0) *= 0.05f / 0.9f;
    writeSound(dir / "in.wav", in);
    Outcome run = render(dir / "in.wav", dir / "out.wav");
    ASSERT_EQ(run.status, 0) << run.err;
    double reduction = summaryNumber(run.out, R"(largest gain reduction ([0-9.]+) dB)");
    EXPECT_GT(reduction, 3.0) << run.out;
    EXPECT_LT(reduction, 4.7) << run.out;
}

TEST(Render, DitheredOutputIsTheSameEveryTime) {
    TempFolder dir;
    writeSound(dir / "in.wav", tones(30000, 2, 0.8f, SF_FORMAT_WAV | SF_FORMAT_PCM_16));
    ASSERT_EQ(render(dir / "in.wav", dir / "a.wav", {"--program", "Mastering 2"}).status, 0);
    ASSERT_EQ(render(dir / "in.wav", dir / "b.wav", {"--program", "Mastering 2"}).status, 0);
    EXPECT_EQ(readText(dir / "a.wav"), readText(dir / "b.wav"));
    EXPECT_NE(readText(dir / "a.wav"), readText(dir / "in.wav"));
}

TEST(Render, ReplacesAnExistingOutputAndLeavesNoTemporaryFile) {
    TempFolder dir;
    writeSound(dir / "in.wav", tones(5000, 1, 0.5f));
    writeText(dir / "out.wav", "old");
    ASSERT_EQ(render(dir / "in.wav", dir / "out.wav", kTransparent).status, 0);
    EXPECT_EQ(readSound(dir / "out.wav").frames(), 5000);
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"in.wav", "out.wav"}));
}
