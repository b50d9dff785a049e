// Processing speed of the plug-in through its entry point, on deterministic
// signals, with other VST 2 plug-ins on the same signals for comparison.
//
//   tarvexor_bench [--tarvexor=PATH] [--plugin=PATH]... [--lsp-dir=DIR]
//                  [Google Benchmark flags]
//
// --tarvexor replaces the build's own plug-in, --plugin adds any Linux VST 2
// plug-in with its default settings, --lsp-dir= (empty) leaves out the LSP
// comparison.
#include "bench/bench_effect.h"
#include "bench/signals.h"
#include "bench/table_reporter.h"
#include "bench/tarvexor_setup.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#ifndef TARVEXOR_DEFAULT_PLUGIN
#define TARVEXOR_DEFAULT_PLUGIN ""
#endif

namespace {

using bench::BenchEffect;
using bench::Setting;
using bench::Settings;
using bench::Signal;

struct Options {
    std::string tarvexor = TARVEXOR_DEFAULT_PLUGIN;
    std::vector<std::string> plugins;
    std::string lspDir = "/usr/lib/vst/lsp-plugins";
    // --benchmark_format other than console: the library's own reporter.
    bool otherFormat = false;
};

struct Peer {
    std::string name;
    std::string label;
    std::string path;
    Settings settings;
};

// With Init only the top quarter of each rise passes the compressor threshold
// and the compressor hardly recovers between rises, so the look-ahead walks
// stay short. This makes nearly every sample of every rise a deeper reduction
// with a long walk: ThrComp -36 dB (raw 72), 30:1 (raw 60), Auto off, Release
// 10 ms.
const Settings kDeepWalk = {{4, 72.0f}, {7, 60.0f}, {10, 0.0f}, {6, 10.0f}};

// One untimed pass lets the state settle and warms code and data; each timed
// iteration is one pass over the whole signal.
void runEffect(benchmark::State& state, BenchEffect& fx, Signal s) {
    const std::vector<float>& x = bench::signalSamples(s);
    bool ready = fx.problem().empty();
    if (ready) {
        fx.resume();
        fx.run(x.data(), x.size());
    } else {
        state.SkipWithError(fx.problem().c_str());
    }
    for (auto _ : state)
        fx.run(x.data(), x.size());
    if (ready) bench::countSamples(state, x.size());
}

void runTarvexor(benchmark::State& state, const std::string& path, Signal s, int block,
                 const Setting& setting) {
    BenchEffect fx(path, block);
    bench::setUpTarvexor(fx, setting);
    runEffect(state, fx, s);
}

void runProgram(benchmark::State& state, const std::string& path, Signal s, int block,
                int program) {
    BenchEffect fx(path, block);
    bench::setUpProgram(fx, program, {});
    runEffect(state, fx, s);
}

void runPeer(benchmark::State& state, const std::string& path, Signal s, int block,
             const Settings& settings) {
    BenchEffect fx(path, block);
    for (const auto& [index, value] : settings)
        fx.setParameter(index, value);
    runEffect(state, fx, s);
}

std::string settingName(const Setting& s) {
    char text[64];
    std::snprintf(text, sizeof(text), "lookahead:%g/dither:%d/normalize:%d",
                  static_cast<double>(s.lookAhead), s.dither ? 1 : 0, s.normalize ? 1 : 0);
    std::string name = text;
    for (const auto& [index, value] : s.more) {
        std::snprintf(text, sizeof(text), "/p%d:%g", index, static_cast<double>(value));
        name += text;
    }
    return name;
}

void addSetting(const std::string& path, Signal s, int block, const Setting& setting) {
    bench::add("tarvexor/" + bench::signalName(s) + "/block:" + std::to_string(block) + "/" +
                   settingName(setting),
               runTarvexor, path, s, block, setting);
}

// Every signal at blocks 64 and 512, LookAhead 999 and 3, dither and
// Normalize off and on; then the deep walk.
void addTarvexor(const Options& o) {
    for (Signal s : bench::allSignals()) {
        for (int block : {64, 512}) {
            for (float lookAhead : {999.0f, 3.0f}) {
                for (int switches = 0; switches < 4; ++switches) {
                    Setting setting{lookAhead, (switches & 2) != 0, (switches & 1) != 0};
                    addSetting(o.tarvexor, s, block, setting);
                }
            }
        }
    }
    for (int block : {64, 512})
        addSetting(o.tarvexor, Signal::LookAheadWorst, block, {999.0f, false, false, kDeepWalk});
}

std::vector<Peer> lspPeers(const Options& o) {
    if (o.lspDir.empty()) return {};
    // Defaults: the compressor at -12 dB 4:1, the limiter at 0 dB (which the
    // music signal, peaking at -0.1 dBFS, never reaches); so the limiter is
    // also run at -6 dB (parameter 8, linear in dB from -48 to 0).
    const std::string compressor = o.lspDir + "/compressor-mono.so";
    const std::string limiter = o.lspDir + "/limiter-mono.so";
    return {{"lsp_compressor_mono", "LSP Compressor Mono", compressor, {}},
            {"lsp_limiter_mono", "LSP Limiter Mono", limiter, {}},
            {"lsp_limiter_mono_6dB", "LSP Limiter -6 dB", limiter, {{8, 0.875f}}}};
}

std::string comparisonPrefix(Signal s) {
    return "compare/" + bench::signalName(s) + "/block:512/";
}

// Tarvexor ("Init", and "Mastering 2" with dither and Auto Normalize) beside
// its peers, block 512.
void addComparison(const Options& o) {
    const Setting reference{999.0f, false, false}; // "Init" as stored
    for (Signal s : bench::allSignals()) {
        bench::add(comparisonPrefix(s) + "tarvexor", runTarvexor, o.tarvexor, s, 512, reference);
        bench::add(comparisonPrefix(s) + "tarvexor_mastering_2", runProgram, o.tarvexor, s, 512,
                   bench::kMastering2);
        for (const Peer& peer : lspPeers(o))
            bench::add(comparisonPrefix(s) + peer.name, runPeer, peer.path, s, 512, peer.settings);
    }
}

std::string stem(const std::string& path) {
    std::string name = path.substr(path.find_last_of('/') + 1);
    return name.substr(0, name.find('.'));
}

// Plug-ins named on the command line, with their own default settings.
void addPlugins(const Options& o) {
    for (const std::string& path : o.plugins) {
        for (Signal s : bench::allSignals()) {
            for (int block : {64, 512}) {
                bench::add("plugin/" + stem(path) + "/" + bench::signalName(s) +
                               "/block:" + std::to_string(block),
                           runPeer, path, s, block, Settings{});
            }
        }
    }
}

// Peer ns over Tarvexor ns; "-" for a figure not measured.
std::string ratioTo(const bench::Figures& peer, const bench::Figures* own) {
    if (!own) return "-";
    char text[16];
    std::snprintf(text, sizeof(text), "%.2f", peer.nsPerSample / own->nsPerSample);
    return text;
}

void printComparison(const bench::TableReporter& table, const Options& o) {
    const auto& figures = table.figures();
    auto find = [&](const std::string& name) -> const bench::Figures* {
        auto found = figures.find(name);
        return found == figures.end() ? nullptr : &found->second;
    };
    bool header = false;
    for (Signal s : bench::allSignals()) {
        const bench::Figures* init = find(comparisonPrefix(s) + "tarvexor");
        const bench::Figures* mastering = find(comparisonPrefix(s) + "tarvexor_mastering_2");
        if (!init && !mastering) continue;
        if (!header) {
            std::printf("\nComparison at block 512, Tarvexor with the programs \"Init\" and "
                        "\"Mastering 2\" (ratio = peer ns / Tarvexor ns, Init / Mastering 2):\n");
            header = true;
        }
        std::string signal = bench::signalName(s);
        const char* name = signal.c_str();
        for (const auto& [label, own] :
             {std::pair{"Tarvexor Init", init}, std::pair{"Tarvexor Mastering 2", mastering}}) {
            if (!own) continue;
            std::printf("  %-16s %-20s %8.2f ns/sample %8.0fx real time\n", name, label,
                        own->nsPerSample, own->timesRealTime);
            name = "";
        }
        for (const Peer& peer : lspPeers(o)) {
            const bench::Figures* other = find(comparisonPrefix(s) + peer.name);
            if (!other) continue;
            std::printf("  %-16s %-20s %8.2f ns/sample  ratio %s / %s\n", "", peer.label.c_str(),
                        other->nsPerSample, ratioTo(*other, init).c_str(),
                        ratioTo(*other, mastering).c_str());
        }
    }
}

bool takeOption(const char* arg, const char* flag, std::string& value) {
    std::size_t n = std::strlen(flag);
    if (std::strncmp(arg, flag, n) != 0 || arg[n] != '=') return false;
    value = arg + n + 1;
    return true;
}

// Removes this program's own flags from argv, leaving Google Benchmark's.
Options parseOptions(int& argc, char** argv) {
    Options o;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        std::string plugin, format;
        if (takeOption(argv[i], "--benchmark_format", format)) o.otherFormat = format != "console";
        if (takeOption(argv[i], "--plugin", plugin)) {
            o.plugins.push_back(plugin);
        } else if (!takeOption(argv[i], "--tarvexor", o.tarvexor) &&
                   !takeOption(argv[i], "--lsp-dir", o.lspDir)) {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    return o;
}

} // namespace

int main(int argc, char** argv) {
    Options options = parseOptions(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    addComparison(options);
    addTarvexor(options);
    addPlugins(options);
    if (options.otherFormat) {
        benchmark::RunSpecifiedBenchmarks();
    } else {
        bench::TableReporter table;
        benchmark::RunSpecifiedBenchmarks(&table);
        printComparison(table, options);
    }
    benchmark::Shutdown();
    return 0;
}
