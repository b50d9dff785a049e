#include "tools/shot/shot_options.h"

#include "tools/host/plugin_library.h"
#include "tools/shot/wav_reader.h"
#include "tools/tarvexor/demo_signal.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace shot {

namespace {

// Whole-text numbers only: "12x", "" or "1e99" for an int are refused.
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
    if (eq == std::string::npos) return false;
    int index = 0;
    float value = 0.0f;
    if (!readInt(s.substr(0, eq).c_str(), index) || !readFloat(s.c_str() + eq + 1, value))
        return false;
    o.settings.push_back({index, value});
    return true;
}

bool parseValue(const std::string& a, const char* value, Options& o, bool helpShotKnown) {
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
    else if (a == "--help-shot" && helpShotKnown)
        o.helpShot = value;
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

vst::IntPtr VST_CALL hostCallback(AEffect*, vst::Int32 opcode, vst::Int32, vst::IntPtr, void*,
                                  float) {
    return opcode == audioMasterVersion ? 2400 : 0;
}

} // namespace

void startProcessing(AEffect* effect, const FeedOptions& o) {
    effect->dispatcher(effect, effSetSampleRate, 0, 0, nullptr, static_cast<float>(o.sampleRate));
    effect->dispatcher(effect, effSetBlockSize, 0, o.blockSize, nullptr, 0.0f);
    effect->dispatcher(effect, effMainsChanged, 0, 1, nullptr, 0.0f);
}

void processSpan(AEffect* effect, const float* in, std::size_t frames, int blockSize,
                 std::vector<float>& out) {
    for (std::size_t done = 0; done < frames;) {
        int n = static_cast<int>(std::min<std::size_t>(blockSize, frames - done));
        float* inputs[1] = {const_cast<float*>(in + done)};
        float* outputs[1] = {out.data()};
        effect->processReplacing(effect, inputs, outputs, n);
        done += n;
    }
}

bool parseOptions(int argc, char** argv, Options& o, bool helpShotKnown) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--demo")
            o.demo = true;
        else if (a == "--fast")
            o.fast = true;
        else if (i + 1 >= argc || !parseValue(a, argv[++i], o, helpShotKnown))
            return false;
    }
    bool sane = o.feed.blockSize > 0 && o.feed.tickMs > 0 && o.waitMs >= 0 && o.program >= 0;
    return sane && !(o.demo && !o.feedFile.empty());
}

bool loadAudio(const char* tool, Options& o, std::vector<float>& samples) {
    if (o.demo) {
        std::vector<float> stereo = tarvexor::demoSignal();
        for (std::size_t i = 0; i < stereo.size(); i += tarvexor::kDemoChannels)
            samples.push_back(stereo[i]);
        o.feed.sampleRate = tarvexor::kDemoSampleRate;
        return true;
    }
    if (o.feedFile.empty()) return true;
    MonoAudio audio;
    std::string error;
    if (!readWav(o.feedFile, audio, error)) {
        std::fprintf(stderr, "%s: %s\n", tool, error.c_str());
        return false;
    }
    samples = std::move(audio.samples);
    o.feed.sampleRate = audio.sampleRate;
    return true;
}

int runTool(const Tool& tool, int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        tool.usage(stdout);
        return 0;
    }
    Options o;
    o.output = tool.defaultOutput;
    if (!parseOptions(argc, argv, o, tool.helpShotKnown)) {
        tool.usage(stderr);
        return 2;
    }
    if (o.plugin.empty()) o.plugin = tool.besideExecutable(tool.pluginFile);
    std::vector<float> samples;
    if (!loadAudio(tool.name, o, samples)) return 1;
    host::PluginLibrary library(o.plugin);
    AEffect* effect = library.loaded() ? library.create(hostCallback) : nullptr;
    if (!effect) {
        std::fprintf(stderr, "%s: cannot create the plug-in from %s\n", tool.name,
                     o.plugin.c_str());
        return 1;
    }
    effect->dispatcher(effect, effSetProgram, 0, o.program, nullptr, 0.0f);
    for (auto& [index, value] : o.settings)
        effect->setParameter(effect, index, value);
    if (!samples.empty()) startProcessing(effect, o.feed);
    int status = tool.runEditor(effect, o, samples);
    effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
    return status;
}

} // namespace shot
