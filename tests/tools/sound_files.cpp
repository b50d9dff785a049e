#include "tests/tools/sound_files.h"

#include <cmath>
#include <stdexcept>

namespace clitest {

std::vector<float> Sound::channel(int c) const {
    std::vector<float> one;
    for (long f = 0; f < frames(); ++f)
        one.push_back(at(f, c));
    return one;
}

void writeSound(const std::string& path, const Sound& sound) {
    SF_INFO info{};
    info.samplerate = sound.sampleRate;
    info.channels = sound.channels;
    info.format = sound.format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) throw std::runtime_error("cannot write " + path + ": " + sf_strerror(nullptr));
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    sf_writef_float(file, sound.samples.data(), sound.frames());
    sf_close(file);
}

Sound readSound(const std::string& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file) throw std::runtime_error("cannot read " + path + ": " + sf_strerror(nullptr));
    Sound sound;
    sound.sampleRate = info.samplerate;
    sound.channels = info.channels;
    sound.format = info.format;
    sound.samples.resize(static_cast<std::size_t>(info.frames * info.channels));
    sf_readf_float(file, sound.samples.data(), info.frames);
    sf_close(file);
    return sound;
}

Sound silence(long frames, int channels, int format) {
    Sound sound;
    sound.channels = channels;
    sound.format = format;
    sound.samples.assign(static_cast<std::size_t>(frames * channels), 0.0f);
    return sound;
}

Sound tones(long frames, int channels, float level, int format) {
    Sound sound = silence(frames, channels, format);
    for (long f = 0; f < frames; ++f)
        for (int c = 0; c < channels; ++c) {
            double fade = std::min(1.0, f / 441.0);
            double hz = 220.0 * (c + 1) + 17.0 * c;
            sound.at(f, c) = static_cast<float>(level * (1.0 - 0.1 * c) * fade *
                                                std::sin(2 * M_PI * hz * f / sound.sampleRate));
        }
    return sound;
}

long loudestFrame(const Sound& sound, int channel) {
    long best = 0;
    for (long f = 1; f < sound.frames(); ++f)
        if (std::fabs(sound.at(f, channel)) > std::fabs(sound.at(best, channel))) best = f;
    return best;
}

float peak(const std::vector<float>& samples) {
    float p = 0.0f;
    for (float x : samples)
        p = std::max(p, std::fabs(x));
    return p;
}

} // namespace clitest
