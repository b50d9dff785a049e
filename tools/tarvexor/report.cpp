#include "tools/tarvexor/report.h"

#include "tools/tarvexor/audio_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <unistd.h>

namespace tarvexor {

const FigureColumn kFigureColumns[5] = {
    {"peak", "dBFS", "dB", "peak_dbfs", "peak_db", &Figures::peak},
    {"RMS", "dBFS", "dB", "rms_dbfs", "rms_db", &Figures::rms},
    {"true peak", "dBTP", "dB", "true_peak_dbtp", "true_peak_db", &Figures::truePeak},
    {"loudness", "LUFS", "LU", "integrated_lufs", "integrated_lu", &Figures::integrated},
    {"range", "LU", "LU", "loudness_range_lu", "loudness_range_lu", &Figures::range},
};

Figures figures(const SignalLevels& levels, const Loudness& loudness) {
    constexpr double none = std::numeric_limits<double>::quiet_NaN();
    return {levels.peakDb(), levels.rmsDb(), loudness.truePeakDb(),
            loudness.integratedGated() ? loudness.integrated : none,
            loudness.rangeGated() ? loudness.range : none};
}

Figures change(const Figures& from, const Figures& to) {
    Figures difference{};
    for (const FigureColumn& column : kFigureColumns) {
        double a = from.*column.value, b = to.*column.value;
        difference.*column.value =
            std::isfinite(a) && std::isfinite(b) ? b - a : std::numeric_limits<double>::quiet_NaN();
    }
    return difference;
}

std::string gatingNote(const RenderReport& r) {
    const Loudness& in = r.inLoudness;
    char buffer[160];
    if (!in.integratedGated())
        std::snprintf(buffer, sizeof(buffer),
                      "loudness and range: too short for a gated measurement (%.2f s of audio; "
                      "loudness needs 0.4 s, its range 3 s)",
                      in.seconds);
    else if (!in.rangeGated())
        std::snprintf(buffer, sizeof(buffer),
                      "loudness range: too short for a gated measurement (%.2f s of audio; it "
                      "needs 3 s)",
                      in.seconds);
    else
        return "";
    return buffer;
}

namespace {

constexpr std::size_t kCellWidth = 13;

std::string cell(double value, const char* unit, bool isChange) {
    char buffer[32];
    if (std::isnan(value)) {
        // Right-aligned as a number with its unit would be.
        int width = isChange ? 7 : 8 + static_cast<int>(std::strlen(unit));
        std::snprintf(buffer, sizeof(buffer), "%*s", width, isChange ? "-" : "too short");
    } else if (std::isinf(value)) {
        std::snprintf(buffer, sizeof(buffer), "%7s %s", value < 0 ? "-inf" : "inf", unit);
    } else {
        std::snprintf(buffer, sizeof(buffer), isChange ? "%+7.2f %s" : "%7.2f %s", value, unit);
    }
    return buffer;
}

// The text and blanks up to `width`, at least one blank.
std::string padded(const std::string& text, std::size_t width) {
    return text + std::string(text.size() < width ? width - text.size() : 1, ' ');
}

void printLine(std::string line) {
    line.erase(line.find_last_not_of(' ') + 1);
    std::printf("%s\n", line.c_str());
}

void printRow(const char* label, const Figures& row, bool isChange) {
    std::string line = "  " + padded(label, 8);
    for (const FigureColumn& column : kFigureColumns)
        line +=
            padded(cell(row.*column.value, isChange ? column.changeUnit : column.unit, isChange),
                   kCellWidth);
    printLine(line);
}

void printFigures(const RenderReport& r) {
    std::string header(10, ' ');
    for (const FigureColumn& column : kFigureColumns)
        header += padded(column.title, kCellWidth);
    printLine(header);
    Figures in = figures(r.in, r.inLoudness), out = figures(r.out, r.outLoudness);
    printRow("input", in, false);
    printRow("output", out, false);
    printRow("change", change(in, out), true);
    std::string note = gatingNote(r);
    if (!note.empty()) std::printf("  %s\n", note.c_str());
}

std::string clockTime(double seconds) {
    char buffer[32];
    int minutes = static_cast<int>(seconds / 60);
    std::snprintf(buffer, sizeof(buffer), "%d:%06.3f", minutes, seconds - 60.0 * minutes);
    return buffer;
}

void printLevels(const RenderReport& r) {
    printFigures(r);
    if (r.clips && r.overs > 0)
        std::printf("  clipped %lld output samples at full scale\n",
                    static_cast<long long>(r.overs));
    const GainReduction& gr = r.gainReduction;
    if (gr.measured)
        std::printf("  largest gain reduction %.2f dB at %s (10 ms windows, output against "
                    "input level)\n",
                    gr.decibels, clockTime(gr.atSeconds).c_str());
    else
        std::printf("  largest gain reduction: not measured (no 10 ms of input above -60 dBFS)\n");
}

void printSettings(const RenderReport& r) {
    std::string line;
    for (const DisplayedParameter& p : r.parameters)
        if (p.set)
            line += (line.empty() ? "" : ", ") + p.name + " " + p.display +
                    (p.label.empty() ? "" : " " + p.label);
    if (!line.empty()) std::printf("  set     %s\n", line.c_str());
}

void printTiming(const RenderReport& r) {
    std::printf("  latency %d samples (%.2f ms), %s\n", r.latency,
                1000.0 * r.latency / r.sampleRate,
                r.compensated ? "compensated" : "not compensated");
    std::printf("  time    %.3f s for %s of audio (plug-in %.3f s): %.0fx real time\n", r.seconds,
                clockTime(r.audioSeconds()).c_str(), r.pluginSeconds, r.timesRealTime());
}

} // namespace

void printSummary(const RenderReport& r) {
    std::printf("%s -> %s\n", r.input.c_str(), r.output.c_str());
    std::printf("  %s, %d Hz, %d channel%s, %lld frames\n", formatName(r.format).c_str(),
                r.sampleRate, r.channels, r.channels == 1 ? "" : "s",
                static_cast<long long>(r.frames));
    std::printf("  plug-in %s (%s)%s%s\n", r.effectName.c_str(), r.plugin.c_str(),
                r.program.empty() ? "" : ", program ", r.program.c_str());
    printSettings(r);
    printLevels(r);
    printTiming(r);
    std::fflush(stdout);
}

ProgressBar::ProgressBar(std::int64_t totalFrames)
    : total(totalFrames), enabled(isatty(STDERR_FILENO) == 1 && totalFrames > 0),
      start(Clock::now()), lastDrawn(start) {}

ProgressBar::~ProgressBar() {
    finish();
}

void ProgressBar::update(std::int64_t done) {
    if (!enabled) return;
    Clock::time_point now = Clock::now();
    if (now - start < std::chrono::milliseconds(500)) return;
    if (drawn && now - lastDrawn < std::chrono::milliseconds(100)) return;
    constexpr int kWidth = 40;
    double fraction = std::min(1.0, static_cast<double>(done) / static_cast<double>(total));
    int filled = static_cast<int>(fraction * kWidth);
    std::fprintf(stderr, "\rrendering [%.*s%*s] %3.0f%%", filled,
                 "########################################", kWidth - filled, "", 100.0 * fraction);
    std::fflush(stderr);
    drawn = true;
    lastDrawn = now;
}

void ProgressBar::finish() {
    if (!drawn) return;
    std::fprintf(stderr, "\r\033[K");
    std::fflush(stderr);
    drawn = false;
}

} // namespace tarvexor
