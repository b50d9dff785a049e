// tarvexor: a command-line host for VST 2 plug-ins, Tarvexor first of all.
#include "tools/tarvexor/command_line.h"
#include "tools/tarvexor/commands.h"
#include "tools/tarvexor/failure.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    using namespace tarvexor;
    try {
        Command command = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
        switch (command.kind) {
        case CommandKind::render:
            return runRender(command);
        case CommandKind::info:
            return runInfo(command);
        case CommandKind::demo:
            return runDemo(command);
        case CommandKind::help:
            std::fputs(helpText(), stdout);
            return 0;
        }
    } catch (const Failure& failure) {
        std::fprintf(stderr, "tarvexor: %s\n", failure.what());
        return failure.status();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tarvexor: %s\n", error.what());
        return 1;
    }
    return 0;
}
