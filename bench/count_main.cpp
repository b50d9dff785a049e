// Runs one signal through the plug-in a fixed number of times with callgrind's
// collection switched on only around the processing, so that
// `valgrind --tool=callgrind --collect-atstart=no` counts the instructions of
// processReplacing (and the host's block loop) alone. The counts are dumped
// right after the processing, before the plug-in is unloaded.
//
//   tarvexor_count [--plugin=PATH] [--signal=music] [--block=512]
//                  [--lookahead=999] [--dither=0] [--normalize=0] [--passes=4]
//                  [--param=INDEX:RAW]...
//   tarvexor_count --program=N [--param=INDEX:RAW]... [--signal=...] [--block=...]
//
// Without --program: "Init" with the look-ahead and switches given; with it:
// program N as stored (the switch and look-ahead options do not apply).
#include "bench/bench_effect.h"
#include "bench/signals.h"
#include "bench/tarvexor_setup.h"

#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#ifndef TARVEXOR_DEFAULT_PLUGIN
#define TARVEXOR_DEFAULT_PLUGIN ""
#endif

namespace {

struct Options {
    std::string plugin = TARVEXOR_DEFAULT_PLUGIN;
    std::string signal = "music";
    int block = 512;
    int passes = 4;
    int program = -1;
    bench::Setting setting{999.0f, false, false};
};

bool takeOption(const char* arg, const char* flag, std::string& value) {
    std::size_t n = std::strlen(flag);
    if (std::strncmp(arg, flag, n) != 0 || arg[n] != '=') return false;
    value = arg + n + 1;
    return true;
}

bool takeCount(const char* arg, const char* flag, int& count) {
    std::string v;
    if (!takeOption(arg, flag, v)) return false;
    count = std::atoi(v.c_str());
    return true;
}

bool takeSwitch(const char* arg, const char* flag, bool& on) {
    std::string v;
    if (!takeOption(arg, flag, v)) return false;
    on = std::strtof(v.c_str(), nullptr) != 0.0f;
    return true;
}

bool takeParam(const char* arg, bench::Settings& more) {
    std::string v;
    int index = 0;
    float value = 0.0f;
    if (!takeOption(arg, "--param", v) || std::sscanf(v.c_str(), "%d:%f", &index, &value) != 2)
        return false;
    more.emplace_back(index, value);
    return true;
}

bool parseOption(const char* arg, Options& o) {
    std::string lookAhead;
    if (takeOption(arg, "--lookahead", lookAhead)) {
        o.setting.lookAhead = std::strtof(lookAhead.c_str(), nullptr);
        return true;
    }
    return takeOption(arg, "--plugin", o.plugin) || takeOption(arg, "--signal", o.signal) ||
           takeCount(arg, "--block", o.block) || takeCount(arg, "--passes", o.passes) ||
           takeCount(arg, "--program", o.program) ||
           takeSwitch(arg, "--dither", o.setting.dither) ||
           takeSwitch(arg, "--normalize", o.setting.normalize) || takeParam(arg, o.setting.more);
}

bool parseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        if (!parseOption(argv[i], o)) {
            std::fprintf(stderr, "unknown or invalid option: %s\n", argv[i]);
            return false;
        }
    }
    return o.block > 0 && o.passes > 0;
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    bench::Signal signal;
    if (!parseOptions(argc, argv, o)) return 2;
    if (!bench::signalFromName(o.signal, signal)) {
        std::fprintf(stderr, "unknown signal: %s\n", o.signal.c_str());
        return 2;
    }
    bench::BenchEffect fx(o.plugin, o.block);
    if (!fx.problem().empty()) {
        std::fprintf(stderr, "%s\n", fx.problem().c_str());
        return 1;
    }
    if (o.program >= 0)
        bench::setUpProgram(fx, o.program, o.setting.more);
    else
        bench::setUpTarvexor(fx, o.setting);
    fx.resume();
    const std::vector<float>& x = bench::signalSamples(signal);
    fx.run(x.data(), x.size()); // settles the state; not counted
    CALLGRIND_TOGGLE_COLLECT;
    for (int pass = 0; pass < o.passes; ++pass)
        fx.run(x.data(), x.size());
    CALLGRIND_TOGGLE_COLLECT;
    // Dump while the library is still loaded, so its line numbers resolve.
    CALLGRIND_DUMP_STATS_AT("processing");
    std::printf("samples %zu\n", x.size() * static_cast<std::size_t>(o.passes));
    return 0;
}
