// The two ways a command fails, each with its exit status: a command line that
// cannot be carried out (2) and a file, plug-in or system that lets us down (1).
#pragma once

#include <stdexcept>
#include <string>

namespace tarvexor {

class Failure : public std::runtime_error {
  public:
    Failure(int status, const std::string& message)
        : std::runtime_error(message), exitStatus(status) {}
    int status() const { return exitStatus; }

  private:
    int exitStatus;
};

class UsageError : public Failure {
  public:
    explicit UsageError(const std::string& message) : Failure(2, message) {}
};

class RuntimeError : public Failure {
  public:
    explicit RuntimeError(const std::string& message) : Failure(1, message) {}
};

} // namespace tarvexor
