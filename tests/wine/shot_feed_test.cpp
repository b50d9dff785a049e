// Feeding audio to the editor as the screenshot tool does: the WAV reader,
// and one display tick per tick period's worth of samples.
#include "tests/wine/editor_fixture.h"
#include "tools/shot/audio_feed.h"
#include "tools/shot/wav_reader.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

using namespace editortest;

namespace {

void put(std::vector<unsigned char>& b, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        b.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

void chunk(std::vector<unsigned char>& b, const char* id, const std::vector<unsigned char>& body) {
    b.insert(b.end(), id, id + 4);
    put(b, static_cast<std::uint32_t>(body.size()), 4);
    b.insert(b.end(), body.begin(), body.end());
    if (body.size() & 1) b.push_back(0);
}

std::vector<unsigned char> format(int tag, int channels, int rate, int bits, bool extensible) {
    std::vector<unsigned char> f;
    put(f, extensible ? 0xFFFE : tag, 2);
    put(f, channels, 2);
    put(f, rate, 4);
    put(f, rate * channels * bits / 8, 4);
    put(f, channels * bits / 8, 2);
    put(f, bits, 2);
    if (extensible) {
        put(f, 22, 2);
        put(f, bits, 2);
        put(f, 0, 4);
        put(f, tag, 2); // the sub-format's first two bytes name the format
        for (int i = 0; i < 14; ++i)
            f.push_back(0);
    }
    return f;
}

std::string writeFile(const std::vector<unsigned char>& fmt, const std::vector<unsigned char>& data,
                      bool extraChunk = false) {
    std::vector<unsigned char> body{'W', 'A', 'V', 'E'};
    chunk(body, "fmt ", fmt);
    if (extraChunk) chunk(body, "LIST", {'o', 'd', 'd'}); // odd size: padded
    chunk(body, "data", data);
    std::vector<unsigned char> file{'R', 'I', 'F', 'F'};
    put(file, static_cast<std::uint32_t>(body.size()), 4);
    file.insert(file.end(), body.begin(), body.end());
    char dir[MAX_PATH], path[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    GetTempFileNameA(dir, "wav", 0, path);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
    return path;
}

shot::MonoAudio read(const std::string& path) {
    shot::MonoAudio audio;
    std::string error;
    EXPECT_TRUE(shot::readWav(path, audio, error)) << error;
    DeleteFileA(path.c_str());
    return audio;
}

std::string refusal(const std::string& path) {
    shot::MonoAudio audio;
    std::string error;
    EXPECT_FALSE(shot::readWav(path, audio, error));
    DeleteFileA(path.c_str());
    return error;
}

} // namespace

TEST(WavReader, SixteenBitStereoKeepsTheFirstChannel) {
    std::vector<unsigned char> data;
    for (int v : {16384, -1, -32768, 32767, 0, 5})
        put(data, static_cast<std::uint16_t>(v), 2);
    shot::MonoAudio a = read(writeFile(format(1, 2, 48000, 16, false), data));
    EXPECT_EQ(a.sampleRate, 48000);
    EXPECT_EQ(a.samples, (std::vector<float>{0.5f, -1.0f, 0.0f}));
}

TEST(WavReader, FloatMonoAfterAnOddSizedChunk) {
    std::vector<unsigned char> data;
    for (float v : {0.25f, -1.5f, 0.0f}) {
        std::uint32_t bits;
        std::memcpy(&bits, &v, 4);
        put(data, bits, 4);
    }
    shot::MonoAudio a = read(writeFile(format(3, 1, 44100, 32, false), data, true));
    EXPECT_EQ(a.samples, (std::vector<float>{0.25f, -1.5f, 0.0f})) << "float is taken as it is";
}

TEST(WavReader, ExtensibleTwentyFourBitPcm) {
    std::vector<unsigned char> data;
    for (std::uint32_t v : {0x400000u, 0x000000u, 0xC00000u, 0x123456u})
        put(data, v, 3);
    shot::MonoAudio a = read(writeFile(format(1, 2, 96000, 24, true), data));
    EXPECT_EQ(a.sampleRate, 96000);
    EXPECT_EQ(a.samples, (std::vector<float>{0.5f, -0.5f}));
}

TEST(WavReader, RefusesWhatItCannotRead) {
    EXPECT_NE(refusal(writeFile(format(1, 1, 44100, 8, false), {1, 2, 3})).find("unsupported"),
              std::string::npos);
    EXPECT_NE(refusal(writeFile(format(3, 1, 44100, 64, false), std::vector<unsigned char>(16)))
                  .find("unsupported"),
              std::string::npos);
    char dir[MAX_PATH], path[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    GetTempFileNameA(dir, "wav", 0, path);
    std::ofstream(path, std::ios::binary) << "RIFX and some text";
    EXPECT_NE(refusal(path).find("not a WAV file"), std::string::npos);
    EXPECT_NE(refusal("no such file.wav").find("cannot open"), std::string::npos);
}

class TickByTickFeed : public EditorTest {};

TEST_F(TickByTickFeed, OneColumnPerTickPeriodAndNoOtherTicks) {
    openEditor();
    // One second of a full-scale square, then silence: 8 loud ticks of 125 ms
    // and 9 more, the last one shorter.
    std::vector<float> signal(2 * 44100 + 1000, 0.0f);
    for (int i = 0; i < 44100; ++i)
        signal[i] = (i / 50) % 2 ? -1.0f : 1.0f;
    shot::FeedOptions options;
    shot::startProcessing(fx.get(), options);
    for (int i = 0; i < 5; ++i)
        PostMessageA(editorWindow(), WM_USER + 5, 0, 0); // a timer's
    shot::feedTickByTick(fx.get(), *host, signal, options);
    image::Picture p = host->capture();
    ResourceBitmap background(118);
    std::vector<int> loud;
    for (int c = 60; c < 122; ++c)
        if (p.pixel(175 + c, 13 + 128) != rgbOf(background.pixel(175 + c, 13 + 128)))
            loud.push_back(c);
    // The 17th column is the newest, still out of view at 122.
    EXPECT_EQ(loud, (std::vector<int>{106, 107, 108, 109, 110, 111, 112, 113}));
}
