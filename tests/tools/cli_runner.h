// Runs the built tarvexor program and collects what it said.
#pragma once

#include <string>
#include <vector>

namespace clitest {

struct Outcome {
    int status = -1; // exit status; -1 when it did not exit normally
    std::string out, err;
};

Outcome tarvexor(const std::vector<std::string>& arguments);

// Starts the program without waiting; its output goes to /dev/null.
int startTarvexor(const std::vector<std::string>& arguments);
// Waits for a started program; its wait status.
int waitFor(int pid);

// Runs the program with stderr on a terminal; what the terminal showed.
std::string tarvexorOnTerminal(const std::vector<std::string>& arguments);

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string operator/(const std::string& name) const { return path + "/" + name; }
    // The names in the folder, sorted.
    std::vector<std::string> names() const;

  private:
    std::string path;
};

std::string readText(const std::string& path);
void writeText(const std::string& path, const std::string& text);
bool exists(const std::string& path);

} // namespace clitest
