// The command line: subcommands, options and the help text.
#pragma once

#include <string>
#include <vector>

namespace tarvexor {

// One --set NAME=VALUE, still as text: its meaning depends on the plug-in.
struct ParameterSetting {
    std::string name;
    std::string value;
};

// How the plug-in is loaded and set up before it processes.
struct EffectOptions {
    std::string pluginPath; // empty: Tarvexor.so beside the program
    std::string program;    // a name or an index; empty: the plug-in's own start
    std::vector<ParameterSetting> settings;
    int blockSize = 512;
};

enum class CommandKind { help, render, info, demo };

struct Command {
    CommandKind kind = CommandKind::help;
    EffectOptions effect;
    std::string input;                // render
    std::string output;               // render
    std::string outputFolder = "out"; // demo
    std::string format;               // render --format; empty: the input's format
    std::string report;               // render, demo --report; empty: no JSON report
    bool compensateLatency = true;
};

// Throws UsageError for anything it cannot make sense of.
Command parseCommandLine(const std::vector<std::string>& arguments);

const char* helpText();

} // namespace tarvexor
