#pragma once
// Runs nimbra-bus-recorder (the file manager and notification listener of a
// test bus) and reads what it recorded: "reveal <uri>" and "signal <name>" lines,
// in the order they happened.

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "ChildProcess.h"

namespace nimbra::testing {

class BusRecording {
 public:
  // Starts the recorder on the bus at `busAddress` and waits until it listens.
  explicit BusRecording(const std::string& busAddress) {
    recorder_ = std::make_unique<ChildProcess>(std::vector<std::string>{builtProgram("nimbra-bus-recorder"), output().string()},
                                               std::vector<std::string>{"DBUS_SESSION_BUS_ADDRESS=" + busAddress});
    if (!waitUntil([&] { return std::ranges::count(allLines(), "ready") > 0; }, std::chrono::seconds(5))) {
      throw std::runtime_error("nimbra-bus-recorder did not get ready");
    }
  }

  // Complete lines recorded so far, after "ready".
  std::vector<std::string> lines() const {
    auto all = allLines();
    const auto ready = std::ranges::find(all, "ready");
    return {ready == all.end() ? all.begin() : ready + 1, all.end()};
  }

  // Whether `line` was recorded within `timeout`.
  bool waitFor(const std::string& line, std::chrono::milliseconds timeout = std::chrono::seconds(5)) const {
    return waitUntil([&] { return std::ranges::count(lines(), line) > 0; }, timeout);
  }

  // Stops the recorder; its exit status.
  int stop() { return recorder_->stop(); }

 private:
  std::filesystem::path output() const { return dir_.path() / "recorded"; }

  std::vector<std::string> allLines() const {
    std::ifstream in(output());
    std::vector<std::string> result;
    for (std::string line; std::getline(in, line);) {
      if (in.eof()) break;  // not yet finished by its newline
      result.push_back(line);
    }
    return result;
  }

  template <typename Done>
  static bool waitUntil(Done done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
  }

  TemporaryFolder dir_;
  std::unique_ptr<ChildProcess> recorder_;
};

}  // namespace nimbra::testing
