#include "tools/shot/wav_reader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

namespace shot {

namespace {

constexpr int kPcm = 1, kFloat = 3, kExtensible = 0xFFFE;

std::uint32_t le(const unsigned char* p, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

struct Format {
    int tag = 0, channels = 0, sampleRate = 0, bits = 0;
};

Format parseFormat(const unsigned char* p, std::uint32_t size) {
    Format f;
    if (size < 16) return f;
    f.tag = static_cast<int>(le(p, 2));
    f.channels = static_cast<int>(le(p + 2, 2));
    f.sampleRate = static_cast<int>(le(p + 4, 4));
    f.bits = static_cast<int>(le(p + 14, 2));
    if (f.tag == kExtensible && size >= 26) f.tag = static_cast<int>(le(p + 24, 2));
    return f;
}

bool supported(const Format& f) {
    if (f.channels < 1 || f.sampleRate <= 0) return false;
    if (f.tag == kFloat) return f.bits == 32;
    return f.tag == kPcm && (f.bits == 16 || f.bits == 24 || f.bits == 32);
}

float sampleAt(const unsigned char* p, const Format& f) {
    if (f.tag == kFloat) {
        std::uint32_t bits = le(p, 4);
        float v;
        std::memcpy(&v, &bits, 4);
        return v;
    }
    // Left-align the sample in 32 bits, then scale: full scale is 1.0.
    std::uint32_t raw = le(p, f.bits / 8) << (32 - f.bits);
    return static_cast<float>(static_cast<std::int32_t>(raw) / 2147483648.0);
}

void decode(const unsigned char* data, std::uint32_t size, const Format& f, MonoAudio& audio) {
    std::size_t frameBytes = static_cast<std::size_t>(f.bits / 8) * f.channels;
    std::size_t frames = size / frameBytes;
    audio.sampleRate = f.sampleRate;
    audio.samples.resize(frames);
    for (std::size_t i = 0; i < frames; ++i)
        audio.samples[i] = sampleAt(data + i * frameBytes, f);
}

} // namespace

bool readWav(const std::string& path, MonoAudio& audio, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return error = "cannot open " + path, false;
    std::vector<unsigned char> b((std::istreambuf_iterator<char>(file)),
                                 std::istreambuf_iterator<char>());
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) || std::memcmp(b.data() + 8, "WAVE", 4))
        return error = path + " is not a WAV file", false;
    Format format;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        std::uint32_t size = le(&b[at + 4], 4);
        std::size_t body = at + 8;
        std::uint32_t inFile =
            static_cast<std::uint32_t>(std::min<std::size_t>(size, b.size() - body));
        if (!std::memcmp(&b[at], "fmt ", 4)) format = parseFormat(&b[body], inFile);
        if (!std::memcmp(&b[at], "data", 4)) {
            if (!supported(format)) return error = path + ": unsupported sample format", false;
            decode(&b[body], inFile, format, audio);
            return true;
        }
        at = body + inFile + (inFile & 1);
    }
    return error = path + " holds no audio", false;
}

} // namespace shot
