// The command line of the editor's picture tools, on Windows and on Linux,
// and the audio they feed through the plug-in.
#pragma once

#include "plugin/vst2.h"

#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace shot {

struct FeedOptions {
    int sampleRate = 44100;
    int blockSize = 512;   // samples per processReplacing call
    double tickMs = 125.0; // faster than real time: the audio time one tick stands for
};

struct Options {
    std::string plugin; // empty: the plug-in beside the tool
    std::string output;
    int program = 0;
    std::vector<std::pair<int, float>> settings;
    int waitMs = 600;
    std::string feedFile;
    bool demo = false;
    bool fast = false;
    std::string helpShot; // only where the tool knows --help-shot
    FeedOptions feed;
};

// Takes the options after the program name; false for anything unknown,
// malformed or out of range. --help-shot counts only with helpShotKnown.
bool parseOptions(int argc, char** argv, Options& o, bool helpShotKnown);

// The audio to feed, if any: false, with the reason after the tool's name on
// stderr, when it was asked for and cannot be had.
bool loadAudio(const char* tool, Options& o, std::vector<float>& samples);

// Prepares the effect for processing at the rate and block size.
void startProcessing(AEffect* effect, const FeedOptions& options);

// Processes frames samples from in, blockSize at a time, into out (at least
// one block long; only the display feed is wanted).
void processSpan(AEffect* effect, const float* in, std::size_t frames, int blockSize,
                 std::vector<float>& out);

// What a picture tool is: its name, the plug-in file it looks for beside
// itself, its usage text and what it does with the editor once the effect
// is made, set to its program and values and, with audio, ready to process.
struct Tool {
    const char* name;
    const char* pluginFile;
    bool helpShotKnown;
    std::string defaultOutput;
    void (*usage)(std::FILE* to);
    std::string (*besideExecutable)(const char* file);
    std::function<int(AEffect*, const Options&, const std::vector<float>&)> runEditor;
};

// The whole tool: --help, the options, the audio, the effect; its exit status.
int runTool(const Tool& tool, int argc, char** argv);

} // namespace shot
