#include "bench/signals.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <random>

namespace bench {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kBeat = kSampleRate / 2.0; // 120 beats per minute

// Uniform in [-1, 1), the same on every platform (the standard distributions
// are not).
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : engine(seed) {}
    double next() { return static_cast<double>(engine() >> 8) * (2.0 / 16777216.0) - 1.0; }

  private:
    std::mt19937 engine;
};

// A kick: a sine sweeping down from 150 Hz to 50 Hz under a decaying envelope.
double kick(double t) {
    double phase = 2 * kPi * (50.0 * t + 100.0 * 0.03 * (1.0 - std::exp(-t / 0.03)));
    return 0.9 * std::exp(-t / 0.12) * std::sin(phase);
}

double snare(double t, double noise) {
    return std::exp(-t / 0.08) * 0.5 * noise +
           std::exp(-t / 0.05) * 0.3 * std::sin(2 * kPi * 190.0 * t);
}

double bass(double time, double sinceBeat) {
    double tone = std::sin(2 * kPi * 55.0 * time) + 0.3 * std::sin(2 * kPi * 110.0 * time);
    return 0.35 * (0.6 + 0.4 * std::exp(-sinceBeat / 0.2)) * tone;
}

double chord(double time) {
    double tremolo = 0.8 + 0.2 * std::sin(2 * kPi * 0.5 * time);
    double sum = std::sin(2 * kPi * 220.0 * time) + std::sin(2 * kPi * 277.18 * time) +
                 std::sin(2 * kPi * 329.63 * time);
    return 0.08 * tremolo * sum;
}

// Scales the signal so that its highest peak sits at the given level.
std::vector<float> toPeak(const std::vector<double>& x, double peak) {
    double highest = 0.0;
    for (double v : x)
        highest = std::max(highest, std::fabs(v));
    std::vector<float> out(x.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        out[i] = static_cast<float>(x[i] * peak / highest);
    return out;
}

// Drums, bass and a sustained chord, with peaks just under 0 dBFS.
std::vector<float> music() {
    Noise noise(1);
    std::vector<double> x(kSignalLength);
    double previousNoise = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        double time = static_cast<double>(i) / kSampleRate;
        auto beat = static_cast<std::size_t>(static_cast<double>(i) / kBeat);
        double sinceBeat =
            (static_cast<double>(i) - static_cast<double>(beat) * kBeat) / kSampleRate;
        double sinceEighth = std::fmod(sinceBeat, 0.25);
        double n = noise.next();
        double v = kick(sinceBeat) + bass(time, sinceBeat) + chord(time);
        if (beat % 2 == 1) v += snare(sinceBeat, n);
        v += 0.2 * std::exp(-sinceEighth / 0.02) * (n - previousNoise); // hi-hat
        previousNoise = n;
        x[i] = v;
    }
    return toPeak(x, 0.989); // -0.1 dBFS
}

// Every 2048 samples a rise of 1 % per sample from -40 dBFS to 0 dBFS, then
// silence: each sample of the rise is a deeper reduction.
std::vector<float> lookAheadWorst() {
    std::vector<float> x(kSignalLength, 0.0f);
    for (std::size_t start = 0; start < x.size(); start += 2048) {
        double level = 0.01;
        for (std::size_t i = start; level <= 1.0; ++i, level *= 1.01)
            x[i] = static_cast<float>(level);
    }
    return x;
}

std::vector<float> whiteNoise() {
    Noise noise(2);
    std::vector<float> x(kSignalLength);
    for (float& v : x)
        v = static_cast<float>(0.9 * noise.next());
    return x;
}

// A quiet sine with noise, about 4e-38 at its peaks: a good share of the
// samples are subnormal floats (below 1.18e-38).
std::vector<float> nearDenormal() {
    Noise noise(3);
    std::vector<float> x(kSignalLength);
    for (std::size_t i = 0; i < x.size(); ++i) {
        double time = static_cast<double>(i) / kSampleRate;
        double v = 3e-38 * std::sin(2 * kPi * 440.0 * time) + 1e-38 * noise.next();
        x[i] = static_cast<float>(v);
    }
    return x;
}

std::vector<float> generate(Signal s) {
    switch (s) {
    case Signal::Music:
        return music();
    case Signal::LookAheadWorst:
        return lookAheadWorst();
    case Signal::Noise:
        return whiteNoise();
    case Signal::NearDenormal:
        return nearDenormal();
    default:
        return std::vector<float>(kSignalLength, 0.0f);
    }
}

} // namespace

const std::vector<Signal>& allSignals() {
    static const std::vector<Signal> all = {Signal::Music, Signal::LookAheadWorst, Signal::Noise,
                                            Signal::Silence, Signal::NearDenormal};
    return all;
}

std::string signalName(Signal s) {
    switch (s) {
    case Signal::Music:
        return "music";
    case Signal::LookAheadWorst:
        return "lookahead_worst";
    case Signal::Noise:
        return "noise";
    case Signal::Silence:
        return "silence";
    default:
        return "near_denormal";
    }
}

bool signalFromName(const std::string& name, Signal& s) {
    for (Signal candidate : allSignals()) {
        if (signalName(candidate) == name) {
            s = candidate;
            return true;
        }
    }
    return false;
}

const std::vector<float>& signalSamples(Signal s) {
    static std::map<Signal, std::vector<float>> cache;
    auto found = cache.find(s);
    if (found == cache.end()) found = cache.emplace(s, generate(s)).first;
    return found->second;
}

} // namespace bench
