#include "tools/tarvexor/command_line.h"

#include "tools/tarvexor/failure.h"

#include <cerrno>
#include <cstdlib>

namespace tarvexor {

namespace {

// The options of all subcommands, with a value or without.
enum class Option { plugin, program, set, block, format, report, noLatencyCompensation, help };

struct OptionName {
    const char* text;
    Option option;
    bool takesValue;
};

const OptionName kOptions[] = {
    {"--plugin", Option::plugin, true},
    {"--program", Option::program, true},
    {"--set", Option::set, true},
    {"--block", Option::block, true},
    {"--format", Option::format, true},
    {"--report", Option::report, true},
    {"--no-latency-compensation", Option::noLatencyCompensation, false},
    {"--help", Option::help, false},
    {"-h", Option::help, false},
};

const OptionName* findOption(const std::string& name) {
    for (const OptionName& candidate : kOptions)
        if (name == candidate.text) return &candidate;
    return nullptr;
}

int parseBlockSize(const std::string& text) {
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != 0 || errno != 0 || value < 1 || value > 65536)
        throw UsageError("--block " + text + ": expected a whole number from 1 to 65536");
    return static_cast<int>(value);
}

ParameterSetting parseSetting(const std::string& text) {
    std::size_t equals = text.find('=');
    if (equals == std::string::npos || equals == 0)
        throw UsageError("--set " + text + ": expected NAME=VALUE");
    return {text.substr(0, equals), text.substr(equals + 1)};
}

void applyOption(Command& command, Option option, const std::string& value) {
    switch (option) {
    case Option::plugin:
        command.effect.pluginPath = value;
        break;
    case Option::program:
        command.effect.program = value;
        break;
    case Option::set:
        command.effect.settings.push_back(parseSetting(value));
        break;
    case Option::block:
        command.effect.blockSize = parseBlockSize(value);
        break;
    case Option::format:
        command.format = value;
        break;
    case Option::report:
        if (value.empty()) throw UsageError("--report needs a file name");
        command.report = value;
        break;
    case Option::noLatencyCompensation:
        command.compensateLatency = false;
        break;
    case Option::help:
        command.kind = CommandKind::help;
        break;
    }
}

// Splits the arguments after the subcommand into options and positionals.
// Options may stand anywhere; "--" ends them.
std::vector<std::string> takeOptions(Command& command, const std::vector<std::string>& args,
                                     std::vector<Option>& seen) {
    std::vector<std::string> positionals;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            positionals.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::size_t equals = arg.find('=');
        std::string name = arg.substr(0, equals);
        const OptionName* option = findOption(name);
        if (!option) throw UsageError("unknown option " + name);
        std::string value;
        if (option->takesValue && equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (option->takesValue) {
            if (i + 1 >= args.size()) throw UsageError(name + " needs a value");
            value = args[++i];
        } else if (equals != std::string::npos) {
            throw UsageError(name + " takes no value");
        }
        applyOption(command, option->option, value);
        seen.push_back(option->option);
    }
    return positionals;
}

void refuseOptions(const std::vector<Option>& seen, const std::vector<Option>& refused,
                   const char* subcommand) {
    for (Option option : seen)
        for (Option bad : refused)
            if (option == bad)
                for (const OptionName& name : kOptions)
                    if (name.option == bad)
                        throw UsageError(std::string(name.text) + " does not apply to " +
                                         subcommand);
}

void takePositionals(Command& command, const std::vector<std::string>& positionals) {
    switch (command.kind) {
    case CommandKind::render:
        if (positionals.size() != 2) throw UsageError("render needs IN and OUT");
        command.input = positionals[0];
        command.output = positionals[1];
        break;
    case CommandKind::info:
        if (!positionals.empty()) throw UsageError("info takes no file: " + positionals[0]);
        break;
    case CommandKind::demo:
        if (positionals.size() > 1) throw UsageError("demo takes one folder at most");
        if (!positionals.empty()) command.outputFolder = positionals[0];
        break;
    case CommandKind::help:
        break;
    }
}

CommandKind subcommand(const std::string& name) {
    if (name == "render") return CommandKind::render;
    if (name == "info") return CommandKind::info;
    if (name == "demo") return CommandKind::demo;
    if (name == "help" || name == "--help" || name == "-h") return CommandKind::help;
    throw UsageError("unknown command " + name + " (render, info, demo or help)");
}

} // namespace

Command parseCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty()) throw UsageError("no command given; see tarvexor --help");
    Command command;
    command.kind = subcommand(arguments[0]);
    if (command.kind == CommandKind::help) return command;
    std::vector<Option> seen;
    std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    std::vector<std::string> positionals = takeOptions(command, rest, seen);
    if (command.kind == CommandKind::help) return command;
    if (command.kind == CommandKind::info)
        refuseOptions(
            seen, {Option::block, Option::format, Option::report, Option::noLatencyCompensation},
            "info");
    if (command.kind == CommandKind::demo) refuseOptions(seen, {Option::format}, "demo");
    takePositionals(command, positionals);
    return command;
}

const char* helpText() {
    return R"(Usage:
  tarvexor render IN OUT [options]   process an audio file through the plug-in
  tarvexor info [options]            show the plug-in: identity, parameters, programs
  tarvexor demo [OUTDIR] [options]   write a 20-second demo mix to OUTDIR/demo-in.wav
                                     (16-bit stereo WAV, 44.1 kHz) and render it with
                                     "Mastering 2" to OUTDIR/demo-out.wav (default OUTDIR: out)

Options:
  --plugin FILE             a Linux VST 2 plug-in (default: Tarvexor.so beside this program)
  --program NAME|INDEX      start from one of the plug-in's programs, e.g. "Mastering 2" or 2
  --set NAME=VALUE          set a parameter after the program; may be repeated
  --block N                 frames per processing call, 1 to 65536 (default 512)
  --format WHAT             render: the output's file type and/or sample format, e.g. flac,
                            float or wav,pcm24 (types: wav, aiff, flac; sample formats:
                            pcm16, pcm24, pcm32, float, double); default: as the input
  --report FILE.json        render, demo: also write the summary to FILE.json for scripts
                            (levels, loudness, latency, settings as displayed, times)
  --no-latency-compensation render: keep the plug-in's delay in the output
  -h, --help                this text

Tarvexor's parameters take the values its display shows:
  ThrComp    compressor threshold, -36 to 0 dB in steps of 0.5 (e.g. ThrComp=-12)
  ThrLim     limiter threshold, -24 to 0 dB in steps of 0.5
  Output     output gain, 0 to +24 dB in steps of 0.001 (e.g. Output=+3)
  Ratio      compression ratio, 1 to 30 in steps of 0.5 (Ratio=4 is 4 : 1)
  Release    release time, 10 to 999 ms
  LookAhead  look-ahead time, 0 to 10 ms in steps of 0.01
  Zoom       wave display zoom, 1 to 20
  Soft, Normalize, Dither, Bypass, AutoRel   on or off
  A value between steps is rounded to the nearest step; a unit after the number
  (dB, ms) is allowed. Any other plug-in takes the host's normalized value, 0 to 1.

Files are read and written with libsndfile (WAV, AIFF, FLAC and more). The output
keeps the input's file type, channel count, sample rate and sample format unless
--format says otherwise. A file with several channels is processed with
one plug-in instance per channel when the plug-in is mono (as Tarvexor is); a
plug-in with as many inputs as the file has channels takes them all in one
instance. The plug-in's reported
latency is compensated as a host does it: its first samples of delay are dropped
and the end is flushed with silence, so the output is as long as the input.
The output is written to a temporary file beside OUT and renamed only when the
render succeeded.

The summary compares input and output: sample peak and RMS (dBFS), true peak
(dBTP, oversampled), integrated loudness (LUFS) and loudness range (LU), all
channels together, measured with libebur128. A gated loudness needs 0.4 s of
audio and its range 3 s; a shorter file is reported as too short.

Exit status: 0 done, 1 a file, plug-in or system failure, 2 a wrong command line.
)";
}

} // namespace tarvexor
