// Test sounds: made in memory, written and read with libsndfile.
#pragma once

#include <sndfile.h>

#include <string>
#include <vector>

namespace clitest {

struct Sound {
    int sampleRate = 44100;
    int channels = 1;
    int format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    std::vector<float> samples; // interleaved

    long frames() const { return static_cast<long>(samples.size()) / channels; }
    float& at(long frame, int channel) { return samples[frame * channels + channel]; }
    float at(long frame, int channel) const { return samples[frame * channels + channel]; }
    std::vector<float> channel(int c) const;
};

void writeSound(const std::string& path, const Sound& sound);
Sound readSound(const std::string& path);

// Silence of `frames` frames.
Sound silence(long frames, int channels = 1, int format = SF_FORMAT_WAV | SF_FORMAT_FLOAT);
// Sine tones, a different frequency and level per channel, with a fade-in.
Sound tones(long frames, int channels, float level, int format = SF_FORMAT_WAV | SF_FORMAT_FLOAT);
// The frame of the largest absolute sample of a channel.
long loudestFrame(const Sound& sound, int channel = 0);
float peak(const std::vector<float>& samples);

} // namespace clitest
