#pragma once
// Runs a program as a child process without blocking the caller.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace nimbra::platform {

class ProcessRunner {
 public:
  // The program's exit status; for a program killed by a signal, the signal's number.
  using OnExit = std::function<void(int status)>;

  virtual ~ProcessRunner() = default;
  // Starts `program` (a bare name is searched in PATH) with standard input and output on the null device and standard
  // error written to the existing file `errorLog`; returns at once. `onExit` runs
  // exactly once, on another thread, when the program has ended. Throws
  // platform::Failure when the log cannot be opened or the program cannot be started
  // (then `onExit` never runs).
  virtual void start(const std::filesystem::path& program, const std::vector<std::string>& args,
                     const std::filesystem::path& errorLog, OnExit onExit) = 0;
};

std::shared_ptr<ProcessRunner> systemProcessRunner();

}  // namespace nimbra::platform
