// A plain WAV reader for feeding audio to the editor: 16, 24 and 32-bit PCM
// and 32-bit float, any number of channels, of which the first is kept.
#pragma once

#include <string>
#include <vector>

namespace shot {

struct MonoAudio {
    int sampleRate = 0;
    std::vector<float> samples; // the first channel, full scale 1.0
};

// False with a reason in `error` when the file cannot be read or its format
// is not one of the above.
bool readWav(const std::string& path, MonoAudio& audio, std::string& error);

} // namespace shot
