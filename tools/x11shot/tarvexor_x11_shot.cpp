// tarvexor-x11-shot: opens the Linux plug-in's editor in an X11 host window,
// optionally feeds audio through the plug-in while the editor's display runs,
// and writes what the editor shows to a PNG file.
#include "tools/host/plugin_library.h"
#include "tools/host/x11_host_window.h"
#include "tools/shot/shot_options.h"
#include "tools/x11shot/x11_audio_feed.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

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

int runEditor(AEffect* effect, const shot::Options& o, const std::vector<float>& samples) {
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
    const shot::Tool tool{"tarvexor-x11-shot", "Tarvexor.so", false, "out/editor-linux.png", usage,
                          besideExecutable,    runEditor};
    return shot::runTool(tool, argc, argv);
}
