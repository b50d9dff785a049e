#include "tools/tarvexor/commands.h"

#include "tools/tarvexor/audio_file.h"
#include "tools/tarvexor/channel_effects.h"
#include "tools/tarvexor/demo_signal.h"
#include "tools/tarvexor/failure.h"
#include "tools/tarvexor/json_report.h"
#include "tools/tarvexor/render.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace tarvexor {

namespace {

RenderJob jobFor(const Command& command) {
    RenderJob job;
    job.input = command.input;
    job.output = command.output;
    job.format = command.format;
    job.compensateLatency = command.compensateLatency;
    job.effect = command.effect;
    return job;
}

std::string fourCharacters(vst::Int32 id) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        unsigned char c = static_cast<unsigned char>((static_cast<std::uint32_t>(id) >> shift));
        text += std::isprint(c) ? static_cast<char>(c) : '.';
    }
    return text;
}

std::string flagNames(vst::Int32 flags) {
    static const struct {
        vst::Int32 bit;
        const char* name;
    } kFlags[] = {{effFlagsHasEditor, "HasEditor"},
                  {effFlagsHasVu, "HasVu"},
                  {effFlagsCanMono, "CanMono"},
                  {effFlagsCanReplacing, "CanReplacing"},
                  {effFlagsProgramChunks, "ProgramChunks"},
                  {effFlagsIsSynth, "IsSynth"},
                  {effFlagsNoSoundInStop, "NoSoundInStop"},
                  {effFlagsCanDoubleReplacing, "CanDoubleReplacing"}};
    std::string names;
    for (const auto& flag : kFlags)
        if (flags & flag.bit) names += std::string(" ") + flag.name;
    return names;
}

// Program names, by index where the plug-in offers that, else by switching
// to each program and back.
std::vector<std::string> listPrograms(HostedEffect& fx) {
    std::vector<std::string> names;
    int current = fx.currentProgram();
    bool switched = false;
    for (int i = 0; i < fx.record().numPrograms; ++i) {
        char buffer[512] = {};
        if (fx.dispatch(effGetProgramNameIndexed, i, -1, buffer) != 0) {
            buffer[sizeof(buffer) - 1] = 0;
            names.push_back(buffer);
            continue;
        }
        fx.setProgram(i);
        names.push_back(fx.programName());
        switched = true;
    }
    if (switched) fx.setProgram(current);
    return names;
}

void printIdentity(HostedEffect& fx, const std::string& path) {
    const AEffect& r = fx.record();
    std::printf("plug-in    %s\n", path.c_str());
    std::printf("effect     %s\n", fx.text(effGetEffectName).c_str());
    std::printf("vendor     %s\n", fx.text(effGetVendorString).c_str());
    std::printf("product    %s\n", fx.text(effGetProductString).c_str());
    std::printf("unique id  %s (0x%08X)\n", fourCharacters(r.uniqueID).c_str(),
                static_cast<unsigned>(r.uniqueID));
    std::printf("version    %d\n", r.version);
    std::printf("inputs     %d\n", r.numInputs);
    std::printf("outputs    %d\n", r.numOutputs);
    std::printf("flags      %d:%s\n", r.flags, flagNames(r.flags).c_str());
    std::printf("latency    %d samples\n", r.initialDelay);
}

void printParameters(HostedEffect& fx) {
    std::printf("\nparameters (%d)\n", fx.record().numParams);
    std::printf("  %3s  %-12s %-12s %-6s %s\n", "#", "name", "display", "label", "value");
    for (int i = 0; i < fx.record().numParams; ++i)
        std::printf("  %3d  %-12s %-12s %-6s %.6f\n", i, fx.parameterName(i).c_str(),
                    fx.parameterDisplay(i).c_str(), fx.parameterLabel(i).c_str(),
                    static_cast<double>(fx.parameter(i)));
}

void printPrograms(const std::vector<std::string>& names, int current) {
    std::printf("\nprograms (%zu)\n", names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        std::printf("  %3zu  %s%s\n", i, names[i].c_str(),
                    static_cast<int>(i) == current ? "  (current)" : "");
}

void writeDemoInput(const std::string& path) {
    SF_INFO format{};
    format.samplerate = kDemoSampleRate;
    format.channels = kDemoChannels;
    format.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    std::vector<float> signal = demoSignal();
    OutputFile out(path, format);
    out.write(signal.data(), static_cast<sf_count_t>(signal.size() / kDemoChannels));
    out.commit();
}

} // namespace

int runRender(const Command& command) {
    if (!command.report.empty()) checkReportPath(command.report, command.input, command.output);
    RenderReport report = render(jobFor(command));
    printSummary(report);
    if (!command.report.empty()) writeJsonReport(report, command.report);
    return 0;
}

int runInfo(const Command& command) {
    std::string path = pluginFile(command.effect);
    auto library = loadPlugin(path);
    HostedEffect fx(*library, path);
    fx.prepare(44100.0, command.effect.blockSize);
    std::vector<std::string> programs = listPrograms(fx);
    applySettings(fx, command.effect);
    printIdentity(fx, path);
    printParameters(fx);
    printPrograms(programs, fx.currentProgram());
    return 0;
}

int runDemo(const Command& command) {
    std::error_code error;
    std::filesystem::create_directories(command.outputFolder, error);
    if (error)
        throw RuntimeError("cannot create the folder " + command.outputFolder + ": " +
                           error.message());
    Command demo = command;
    demo.input = command.outputFolder + "/demo-in.wav";
    demo.output = command.outputFolder + "/demo-out.wav";
    if (demo.effect.program.empty()) demo.effect.program = "Mastering 2";
    writeDemoInput(demo.input);
    std::printf("wrote %s: %.0f s demo mix, 16-bit stereo WAV at %d Hz\n", demo.input.c_str(),
                kDemoSeconds, kDemoSampleRate);
    return runRender(demo);
}

} // namespace tarvexor
