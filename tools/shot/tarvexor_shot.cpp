// tarvexor-shot: opens the plug-in's editor in a host window, optionally feeds
// audio through the plug-in while the editor's display runs, and writes what
// the editor shows to a PNG file.
#include "tools/host/editor_host_window.h"
#include "tools/host/plugin_library.h"
#include "tools/shot/audio_feed.h"
#include "tools/shot/help_shot.h"
#include "tools/shot/shot_options.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>
#include <windows.h>

namespace {

std::string besideExecutable(const char* file) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    std::size_t slash = dir.find_last_of("\\/");
    return (slash == std::string::npos ? std::string() : dir.substr(0, slash + 1)) + file;
}

void usage(std::FILE* to) {
    std::fprintf(to,
                 "usage: tarvexor-shot [--plugin DLL] [--program INDEX] [--set INDEX=RAW]...\n"
                 "                     [--wait MS] [--feed FILE.wav | --demo] [--fast]\n"
                 "                     [--block N] [--tick-ms MS] [--out FILE.png]\n"
                 "                     [--help-shot FILE.png]\n"
                 "       tarvexor-shot --help\n"
                 "Opens the editor at the program (default 0, \"Init\") with the raw parameter\n"
                 "values given, lets it run for MS milliseconds (default 600) and writes the\n"
                 "editor's picture to FILE.png (default out/editor.png).\n"
                 "--feed plays the first channel of a WAV file (16, 24 or 32-bit PCM, 32-bit\n"
                 "float) through the plug-in in blocks of N samples (default 512) while the\n"
                 "editor runs, in real time; --demo plays the built-in demo mix instead. The\n"
                 "picture is taken when the audio ends. With --fast the editor gets one display\n"
                 "tick after each MS milliseconds of audio (default 125, the Normal display\n"
                 "speed) instead of waiting for its timer: the same picture, much sooner.\n"
                 "--help-shot opens the help window from the editor and writes its first\n"
                 "page to FILE.png instead of the editor's picture.\n");
}

int runEditor(AEffect* effect, const shot::Options& o, const std::vector<float>& samples) {
    host::EditorHostWindow window(effect);
    if (!window.open()) {
        std::fprintf(stderr, "tarvexor-shot: the editor did not open\n");
        return 1;
    }
    window.pump(o.waitMs);
    if (!o.helpShot.empty()) return shot::writeHelpShot(window, o.helpShot) ? 0 : 1;
    if (!samples.empty()) {
        if (o.fast)
            shot::feedTickByTick(effect, window, samples, o.feed);
        else
            shot::feedInRealTime(effect, window, samples, o.feed);
    }
    if (!image::writePng(o.output, window.capture())) {
        std::fprintf(stderr, "tarvexor-shot: cannot write %s\n", o.output.c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const shot::Tool tool{"tarvexor-shot", "Tarvexor.dll",   true,     "out/editor.png",
                          usage,           besideExecutable, runEditor};
    return shot::runTool(tool, argc, argv);
}
