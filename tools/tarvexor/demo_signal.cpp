#include "tools/tarvexor/demo_signal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tarvexor {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kBeat = 0.5; // seconds at 120 beats per minute
constexpr double kBar = 4 * kBeat;
constexpr double kPeak = 0.98855;                            // -0.1 dBFS
const double kBassRoots[4] = {55.0, 43.654, 65.406, 48.999}; // A1 F1 C2 G1
const double kChords[4][3] = {{220.0, 261.63, 329.63},       // A minor
                              {174.61, 220.0, 261.63},       // F major
                              {261.63, 329.63, 392.0},       // C major
                              {196.0, 246.94, 293.66}};      // G major

class Noise {
  public:
    double next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<double>(state) / 2147483648.0 - 1.0;
    }

  private:
    std::uint32_t state = 0x2545F491u;
};

class Mix {
  public:
    Mix() : left(frames(kDemoSeconds)), right(left) {}
    static std::size_t frames(double seconds) {
        return static_cast<std::size_t>(seconds * kDemoSampleRate);
    }
    // Adds a mono voice at `start`, panned from 0 (left) to 1 (right).
    template <class Voice> void add(double start, double length, double pan, Voice voice) {
        std::size_t first = frames(start);
        std::size_t count = std::min(frames(length), left.size() - std::min(first, left.size()));
        double gl = std::sqrt(1.0 - pan), gr = std::sqrt(pan);
        for (std::size_t i = 0; i < count; ++i) {
            double v = voice(static_cast<double>(i) / kDemoSampleRate);
            left[first + i] += gl * v;
            right[first + i] += gr * v;
        }
    }
    std::vector<float> interleaved() const;

    std::vector<double> left, right;
};

std::vector<float> Mix::interleaved() const {
    double peak = 0.0;
    for (std::size_t i = 0; i < left.size(); ++i)
        peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
    std::vector<float> out;
    out.reserve(2 * left.size());
    for (std::size_t i = 0; i < left.size(); ++i) {
        out.push_back(static_cast<float>(left[i] * kPeak / peak));
        out.push_back(static_cast<float>(right[i] * kPeak / peak));
    }
    return out;
}

bool inGroove(double t) {
    return (t >= 4.0 && t < 12.0) || (t >= 14.0 && t < 19.5);
}

void addKick(Mix& mix, double at, double level, Noise& noise) {
    double phase = 0.0;
    mix.add(at, 0.45, 0.5, [&, level](double t) {
        phase += 2 * kPi * (45.0 + 95.0 * std::exp(-t / 0.03)) / kDemoSampleRate;
        return level *
               (std::sin(phase) * std::exp(-t / 0.16) + 0.35 * noise.next() * std::exp(-t / 0.002));
    });
}

void addSnare(Mix& mix, double at, double level, Noise& noise) {
    double previous = 0.0;
    mix.add(at, 0.3, 0.48, [&, level](double t) {
        double n = noise.next();
        double bright = n - 0.6 * previous; // tilt the noise towards the highs
        previous = n;
        return level * (0.55 * bright * std::exp(-t / 0.09) +
                        0.45 * std::sin(2 * kPi * 185.0 * t) * std::exp(-t / 0.06));
    });
}

void addHat(Mix& mix, double at, double decay, double level, Noise& noise) {
    double previous = 0.0;
    mix.add(at, 6 * decay, 0.68, [&, decay, level](double t) {
        double n = noise.next();
        double hiss = n - previous;
        previous = n;
        return level * hiss * std::exp(-t / decay);
    });
}

void addDrums(Mix& mix) {
    Noise noise;
    for (int beat = 0; beat < 40; ++beat) {
        double t = beat * kBeat;
        bool accent = t >= 14.0; // the last section hits harder
        if (inGroove(t) && beat % 2 == 0) addKick(mix, t, accent ? 1.0 : 0.85, noise);
        if (inGroove(t) && beat % 8 == 6) addKick(mix, t + kBeat / 2, 0.6, noise);
        if (inGroove(t) && beat % 2 == 1) addSnare(mix, t, accent ? 0.9 : 0.7, noise);
        for (int half = 0; half < 2; ++half) {
            double h = t + half * kBeat / 2;
            bool open = beat % 4 == 3 && half == 1;
            if (h < 12.0 || h >= 14.0) addHat(mix, h, open ? 0.12 : 0.025, 0.22, noise);
        }
    }
    for (int i = 0; i < 8; ++i)
        addSnare(mix, 19.0 + i * kBeat / 8, 0.3 + 0.08 * i, noise);
    mix.add(14.0, 4.0, 0.5, [&noise](double t) { return 0.5 * noise.next() * std::exp(-t / 1.1); });
}

void addBass(Mix& mix) {
    for (int eighth = 0; eighth < 80; ++eighth) {
        double t = eighth * kBeat / 2;
        if (t < 4.0 || t >= 19.5 || (t >= 12.0 && t < 14.0 && eighth % 2 == 1)) continue;
        double f = kBassRoots[static_cast<int>(t / kBar) % 4] * (eighth % 8 == 7 ? 2.0 : 1.0);
        mix.add(t, kBeat / 2, 0.5, [f](double s) {
            double v = 0.0;
            for (int k = 1; k <= 5; ++k)
                v += std::sin(2 * kPi * k * f * s) / k;
            return 0.32 * v * std::min(1.0, s / 0.004) * std::exp(-s / 0.35);
        });
    }
}

void addChords(Mix& mix) {
    for (int bar = 0; bar < 10; ++bar) {
        double start = bar * kBar;
        double level = start < 4.0 ? 0.05 + 0.025 * bar : 0.09;
        for (double f : kChords[bar % 4])
            for (double detune : {-0.6, 0.7}) {
                double pan = detune < 0 ? 0.2 : 0.8;
                mix.add(start, kBar, pan, [f, detune, level](double s) {
                    double swell = std::min(1.0, s / 0.25) * std::min(1.0, (kBar - s) / 0.05);
                    return level * swell * std::sin(2 * kPi * (f + detune) * s);
                });
            }
    }
}

} // namespace

std::vector<float> demoSignal() {
    Mix mix;
    addChords(mix);
    addBass(mix);
    addDrums(mix);
    return mix.interleaved();
}

} // namespace tarvexor
