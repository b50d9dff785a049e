// tarvexor-x11-shot: opens the Linux plug-in's editor in an X11 host window,
// optionally feeds audio through the plug-in while the editor's display runs,
// and writes what the editor shows to a PNG file.
#include "tools/host/plugin_library.h"
#include "tools/host/x11_host_window.h"
#include "tools/shot/wav_reader.h"
#include "tools/tarvexor/demo_signal.h"
#include "tools/x11shot/x11_audio_feed.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct Options {
    std::string plugin;
    std::string output = "out/editor-linux.png";
    int program = 0;
    std::vector<std::pair<int, float>> settings;
    int waitMs = 600;
    std::string feedFile;
    bool demo = false;
    bool fast = false;
    x11shot::FeedOptions feed;
};

vst::IntPtr VST_CALL hostCallback(AEffect*, vst::Int32 opcode, vst::Int32, vst::IntPtr, void*,
                                  float) {
    return opcode == audioMasterVersion ? 2400 : 0;
}

std::string besideExecutable(const char* file) {
    char path[4096] = {};
    ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
    std::string dir(n > 0 ? std::string(path, static_cast<std::size_t>(n)) : std::string());
    std::size_t slash = dir.find_last_of('/');
    return (slash == std::string::npos ? std::string() : dir.substr(0, slash + 1)) + file;
}

void usage(std::FILE* to) {
    std::fprintf(to,
                 "usage: tarvexor-x11-shot [--plugin SO] [--program INDEX] [--set INDEX=RAW]...\n"
                 "                         [--wait MS] [--feed FILE.wav | --demo] [--fast]\n"
                 "                         [--block N] [--tick-ms MS] [--out FILE.png]\n"
                 "       tarvexor-x11-shot --help\n"
                 "Opens the Linux editor on the X display in $DISPLAY at the program (default 0,\n"
                 "\"Init\") with the raw parameter values given, lets it run for MS milliseconds\n"
                 "(default 600) and writes the editor's picture to FILE.png (default\n"
                 "out/editor-linux.png).\n"
                 "--feed plays the first channel of a WAV file (16, 24 or 32-bit PCM, 32-bit\n"
                 "float) through the plug-in in blocks of N samples (default 512) while the\n"
                 "editor runs, in real time; --demo plays the built-in demo mix instead. The\n"
                 "picture is taken when the audio ends. With --fast the editor gets one display\n"
                 "tick after each MS milliseconds of audio (default 125, the Normal display\n"
                 "speed) instead of waiting for its timer: the same picture, much sooner.\n");
}

bool readInt(const char* text, int& out) {
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(text, &end, 10);
    if (end == text || *end != 0 || errno != 0 || v < INT_MIN || v > INT_MAX) return false;
    out = static_cast<int>(v);
    return true;
}

template <typename Float> bool readFloat(const char* text, Float& out) {
    char* end = nullptr;
    errno = 0;
    double v = std::strtod(text, &end);
    if (end == text || *end != 0 || errno != 0 || !std::isfinite(v)) return false;
    out = static_cast<Float>(v);
    return true;
}

bool parseSetting(const std::string& s, Options& o) {
    std::size_t eq = s.find('=');
    int index = 0;
    float value = 0.0f;
    if (eq == std::string::npos || !readInt(s.substr(0, eq).c_str(), index) ||
        !readFloat(s.c_str() + eq + 1, value))
        return false;
    o.settings.push_back({index, value});
    return true;
}

bool parseValue(const std::string& a, const char* value, Options& o) {
    if (a == "--plugin")
        o.plugin = value;
    else if (a == "--out")
        o.output = value;
    else if (a == "--program")
        return readInt(value, o.program);
    else if (a == "--wait")
        return readInt(value, o.waitMs);
    else if (a == "--feed")
        o.feedFile = value;
    else if (a == "--block")
        return readInt(value, o.feed.blockSize);
    else if (a == "--tick-ms")
        return readFloat(value, o.feed.tickMs);
    else if (a == "--set")
        return parseSetting(value, o);
    else
        return false;
    return true;
}

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--demo")
            o.demo = true;
        else if (a == "--fast")
            o.fast = true;
        else if (i + 1 >= argc || !parseValue(a, argv[++i], o))
            return false;
    }
    if (o.plugin.empty()) o.plugin = besideExecutable("Tarvexor.so");
    bool sane = o.feed.blockSize > 0 && o.feed.tickMs > 0 && o.waitMs >= 0 && o.program >= 0;
    return sane && !(o.demo && !o.feedFile.empty());
}

bool loadAudio(Options& o, std::vector<float>& samples) {
    if (o.demo) {
        std::vector<float> stereo = tarvexor::demoSignal();
        for (std::size_t i = 0; i < stereo.size(); i += tarvexor::kDemoChannels)
            samples.push_back(stereo[i]);
        o.feed.sampleRate = tarvexor::kDemoSampleRate;
        return true;
    }
    if (o.feedFile.empty()) return true;
    shot::MonoAudio audio;
    std::string error;
    if (!shot::readWav(o.feedFile, audio, error)) {
        std::fprintf(stderr, "tarvexor-x11-shot: %s\n", error.c_str());
        return false;
    }
    samples = std::move(audio.samples);
    o.feed.sampleRate = audio.sampleRate;
    return true;
}

int runEditor(AEffect* effect, const Options& o, const std::vector<float>& samples) {
    host::X11HostWindow window(effect);
    if (!window.connected()) {
        std::fprintf(stderr, "tarvexor-x11-shot: cannot open the X display\n");
        return 1;
    }
    if (!window.open()) {
        std::fprintf(stderr, "tarvexor-x11-shot: the editor did not open\n");
        return 1;
    }
    window.pump(o.waitMs);
    if (!samples.empty()) {
        if (o.fast)
            x11shot::feedTickByTick(effect, window, samples, o.feed);
        else
            x11shot::feedInRealTime(effect, window, samples, o.feed);
    }
    window.idle();
    if (!image::writePng(o.output, window.capture())) {
        std::fprintf(stderr, "tarvexor-x11-shot: cannot write %s\n", o.output.c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        usage(stdout);
        return 0;
    }
    Options o;
    if (!parse(argc, argv, o)) {
        usage(stderr);
        return 2;
    }
    std::vector<float> samples;
    if (!loadAudio(o, samples)) return 1;
    host::PluginLibrary library(o.plugin);
    AEffect* effect = library.loaded() ? library.create(hostCallback) : nullptr;
    if (!effect) {
        std::fprintf(stderr, "tarvexor-x11-shot: cannot create the plug-in from %s\n",
                     o.plugin.c_str());
        return 1;
    }
    effect->dispatcher(effect, effSetProgram, 0, o.program, nullptr, 0.0f);
    for (auto& [index, value] : o.settings)
        effect->setParameter(effect, index, value);
    if (!samples.empty()) x11shot::startProcessing(effect, o.feed);
    int status = runEditor(effect, o, samples);
    effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
    return status;
}
