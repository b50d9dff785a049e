// Loudness in the summary and the JSON report: signals whose figures are
// known, files too short for a gated measurement, and the report read back
// with a JSON parser.
#include "tests/tools/cli_runner.h"
#include "tests/tools/sound_files.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <regex>

using namespace clitest;
using nlohmann::json;

namespace {

const std::vector<std::string> kTransparent = {"--set", "Bypass=on", "--set", "LookAhead=0"};

// A sine in every channel, `level` its peak.
Sound sine(double seconds, int channels, double hz, double level, double phase = 0.0) {
    Sound sound = silence(std::lround(seconds * 48000), channels);
    sound.sampleRate = 48000;
    for (long f = 0; f < sound.frames(); ++f)
        for (int c = 0; c < channels; ++c)
            sound.at(f, c) =
                static_cast<float>(level * std::sin(2 * M_PI * hz * f / 48000 + phase));
    return sound;
}

struct Rendered {
    Outcome run;
    json report;
};

Rendered renderWithReport(const TempFolder& dir, const Sound& in,
                          std::vector<std::string> options = kTransparent) {
    writeSound(dir / "in.wav", in);
    std::vector<std::string> args{"render", dir / "in.wav", dir / "out.wav", "--report",
                                  dir / "report.json"};
    args.insert(args.end(), options.begin(), options.end());
    Rendered r{tarvexor(args), json()};
    EXPECT_EQ(r.run.status, 0) << r.run.err;
    r.report = json::parse(readText(dir / "report.json"));
    return r;
}

// The number before `unit` in the summary row of `side`, or -1000.
double rowFigure(const std::string& summary, const std::string& side, const std::string& unit) {
    std::smatch match;
    std::regex pattern("\n  " + side + " .* (-?[0-9.]+) " + unit);
    return std::regex_search(summary, match, pattern) ? std::stod(match[1]) : -1000.0;
}

struct SineCase {
    const char* name;
    int channels;
    double lufs;
};

void PrintTo(const SineCase& c, std::ostream* os) {
    *os << c.name;
}

class KnownLoudness : public ::testing::TestWithParam<SineCase> {};

} // namespace

TEST_P(KnownLoudness, SineAtMinus20dBFS) {
    TempFolder dir;
    Rendered r = renderWithReport(dir, sine(5.0, GetParam().channels, 1000.0, 0.1));
    const json& levels = r.report["levels"];
    for (const char* side : {"input", "output"}) {
        EXPECT_NEAR(levels[side]["integrated_lufs"].get<double>(), GetParam().lufs, 0.1) << side;
        EXPECT_NEAR(levels[side]["loudness_range_lu"].get<double>(), 0.0, 0.1) << side;
        EXPECT_NEAR(rowFigure(r.run.out, side, "LUFS"), GetParam().lufs, 0.1) << r.run.out;
    }
    EXPECT_NEAR(levels["change"]["integrated_lu"].get<double>(), 0.0, 1e-9);
    EXPECT_EQ(r.report["notes"], json::array());
}

INSTANTIATE_TEST_SUITE_P(Files, KnownLoudness,
                         ::testing::Values(SineCase{"mono", 1, -23.0},
                                           SineCase{"stereo", 2, -20.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Loudness, TruePeakAboveSamplePeakBetweenSamples) {
    // A quarter of the sample rate, 45 degrees off: every sample lands at
    // 0.707 of the crest, which lies between two samples.
    TempFolder dir;
    Rendered r = renderWithReport(dir, sine(1.0, 1, 12000.0, 0.5, M_PI / 4));
    const json& input = r.report["levels"]["input"];
    EXPECT_NEAR(input["peak_dbfs"].get<double>(), 20 * std::log10(0.5 * std::sqrt(0.5)), 0.01);
    EXPECT_NEAR(input["true_peak_dbtp"].get<double>(), 20 * std::log10(0.5), 0.3);
    EXPECT_NEAR(rowFigure(r.run.out, "input", "dBTP"), input["true_peak_dbtp"].get<double>(),
                0.006);
}

TEST(Loudness, TooShortForAGatedMeasurementSaysSo) {
    const struct {
        double seconds;
        bool integrated;
        const char* note;
    } cases[] = {{0.3, false, "loudness and range: too short for a gated measurement"},
                 {1.0, true, "loudness range: too short for a gated measurement"}};
    for (const auto& c : cases) {
        TempFolder dir;
        Rendered r = renderWithReport(dir, sine(c.seconds, 2, 1000.0, 0.1));
        const json& input = r.report["levels"]["input"];
        EXPECT_EQ(input["integrated_lufs"].is_number(), c.integrated) << c.seconds;
        EXPECT_TRUE(input["loudness_range_lu"].is_null()) << c.seconds;
        EXPECT_TRUE(r.report["levels"]["change"]["loudness_range_lu"].is_null()) << c.seconds;
        ASSERT_EQ(r.report["notes"].size(), 1u) << c.seconds;
        EXPECT_NE(r.report["notes"][0].get<std::string>().find(c.note), std::string::npos);
        EXPECT_NE(r.run.out.find(c.note), std::string::npos) << r.run.out;
        EXPECT_NE(r.run.out.find("too short\n"), std::string::npos) << r.run.out;
    }
}

TEST(Report, HoldsTheWholeSummary) {
    TempFolder dir;
    Rendered r = renderWithReport(dir, tones(44100, 2, 0.9f),
                                  {"--program", "Mastering 2", "--set", "ThrComp=-12.3"});
    const json& report = r.report;
    EXPECT_EQ(report["input"], dir / "in.wav");
    EXPECT_EQ(report["output"], dir / "out.wav");
    EXPECT_EQ(report["frames"], 44100);
    EXPECT_EQ(report["channels"], 2);
    EXPECT_EQ(report["plugin"]["program"], "Mastering 2");
    int set = 0;
    for (const json& p : report["plugin"]["parameters"]) {
        set += p["set"].get<bool>();
        if (p["name"] == "ThrComp") {
            EXPECT_EQ(p["display"], "-12.5");
        }
    }
    EXPECT_EQ(set, 1);
    EXPECT_NE(r.run.out.find("set     ThrComp -12.5 dB"), std::string::npos) << r.run.out;
    int latency = report["latency"]["samples"];
    EXPECT_GT(latency, 0);
    EXPECT_NE(r.run.out.find("latency " + std::to_string(latency) + " samples"), std::string::npos);
    const json& levels = report["levels"];
    Sound out = readSound(dir / "out.wav");
    EXPECT_NEAR(levels["output"]["peak_dbfs"].get<double>(), 20 * std::log10(peak(out.samples)),
                1e-6);
    EXPECT_GT(levels["largest_gain_reduction"]["db"].get<double>(), 0.0);
    EXPECT_GT(report["time"]["seconds"].get<double>(), 0.0);
}
