#include "tools/tarvexor/report.h"

#include "tools/tarvexor/audio_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unistd.h>

namespace tarvexor {

namespace {

std::string dbfs(double value) {
    char buffer[32];
    if (std::isinf(value)) return "  -inf dBFS";
    std::snprintf(buffer, sizeof(buffer), "%6.2f dBFS", value);
    return buffer;
}

std::string clockTime(double seconds) {
    char buffer[32];
    int minutes = static_cast<int>(seconds / 60);
    std::snprintf(buffer, sizeof(buffer), "%d:%06.3f", minutes, seconds - 60.0 * minutes);
    return buffer;
}

void printLevels(const RenderReport& r) {
    std::printf("  input   peak %s   RMS %s\n", dbfs(r.in.peakDb()).c_str(),
                dbfs(r.in.rmsDb()).c_str());
    std::printf("  output  peak %s   RMS %s\n", dbfs(r.out.peakDb()).c_str(),
                dbfs(r.out.rmsDb()).c_str());
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

void printTiming(const RenderReport& r) {
    double audioSeconds = static_cast<double>(r.frames) / r.sampleRate;
    std::printf("  latency %d samples (%.2f ms), %s\n", r.latency,
                1000.0 * r.latency / r.sampleRate,
                r.compensated ? "compensated" : "not compensated");
    std::printf("  time    %.3f s for %s of audio (plug-in %.3f s): %.0fx real time\n", r.seconds,
                clockTime(audioSeconds).c_str(), r.pluginSeconds,
                r.seconds > 0 ? audioSeconds / r.seconds : 0.0);
}

} // namespace

void printSummary(const RenderReport& r) {
    std::printf("%s -> %s\n", r.input.c_str(), r.output.c_str());
    std::printf("  %s, %d Hz, %d channel%s, %lld frames\n", formatName(r.format).c_str(),
                r.sampleRate, r.channels, r.channels == 1 ? "" : "s",
                static_cast<long long>(r.frames));
    std::printf("  plug-in %s (%s)%s%s\n", r.effectName.c_str(), r.plugin.c_str(),
                r.program.empty() ? "" : ", program ", r.program.c_str());
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
