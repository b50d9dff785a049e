#include "tests/tools/cli_runner.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <pty.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace clitest {

namespace {

// The program's argument vector; `all` keeps the strings alive.
std::vector<char*> argumentVector(std::vector<std::string>& all,
                                  const std::vector<std::string>& arguments) {
    all = {TARVEXOR_PROGRAM};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    return argv;
}

// Starts the program with stdin from /dev/null and stdout, stderr to files.
int spawn(const std::vector<std::string>& arguments, const std::string& out,
          const std::string& err) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT, 0644);
    std::vector<std::string> all;
    std::vector<char*> argv = argumentVector(all, arguments);
    pid_t pid = 0;
    int failed = posix_spawn(&pid, TARVEXOR_PROGRAM, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) throw std::runtime_error("cannot start " TARVEXOR_PROGRAM);
    return pid;
}

} // namespace

Outcome tarvexor(const std::vector<std::string>& arguments) {
    TempFolder streams;
    int status = waitFor(spawn(arguments, streams / "stdout", streams / "stderr"));
    Outcome run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readText(streams / "stdout");
    run.err = readText(streams / "stderr");
    return run;
}

int startTarvexor(const std::vector<std::string>& arguments) {
    return spawn(arguments, "/dev/null", "/dev/null");
}

int waitFor(int pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

std::string tarvexorOnTerminal(const std::vector<std::string>& arguments) {
    std::vector<std::string> all;
    std::vector<char*> argv = argumentVector(all, arguments);
    int terminal = -1;
    pid_t pid = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (pid < 0) throw std::runtime_error("cannot open a terminal");
    if (pid == 0) {
        int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, 1);
        execv(TARVEXOR_PROGRAM, argv.data());
        _exit(127);
    }
    std::string shown;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(terminal, buffer, sizeof(buffer))) > 0)
        shown.append(buffer, static_cast<std::size_t>(got));
    close(terminal);
    waitFor(pid);
    return shown;
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarvexor-test-XXXXXX");
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

std::vector<std::string> TempFolder::names() const {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(path))
        found.push_back(entry.path().filename().string());
    std::sort(found.begin(), found.end());
    return found;
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

bool exists(const std::string& path) {
    return std::filesystem::exists(path);
}

} // namespace clitest
