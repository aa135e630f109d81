#pragma once
// Runs nimbra-bus-recorder (the file manager and notification listener of a
// test bus) and reads what it recorded: "reveal <uri>" and "signal <name>" lines,
// in the order they happened.

#include <algorithm>
#include <functional>

#include "ChildProcess.h"

namespace nimbra::testing {

class BusRecording {
 public:
  // Starts the recorder on the bus at `busAddress` and waits until it listens.
  explicit BusRecording(const std::string& busAddress)
      : recorder_({builtProgram("nimbra-bus-recorder"), (dir_ / "recorded").string()},
                  {"DBUS_SESSION_BUS_ADDRESS=" + busAddress}) {
    if (!waitUntil([&] { return std::ranges::count(allLines(), "ready") > 0; }, std::chrono::seconds(5))) {
      throw std::runtime_error("nimbra-bus-recorder did not get ready");
    }
  }

  // Complete lines recorded so far, after "ready".
  std::vector<std::string> lines() const {
    auto all = allLines();
    return {std::ranges::find(all, "ready") + 1, all.end()};
  }

  // Whether `line` was recorded within `timeout`.
  bool waitFor(const std::string& line, std::chrono::milliseconds timeout = std::chrono::seconds(5)) const {
    return waitUntil([&] { return std::ranges::count(lines(), line) > 0; }, timeout);
  }

 private:
  std::vector<std::string> allLines() const {
    std::ifstream in(dir_ / "recorded");
    std::vector<std::string> result;
    // A last line without its newline is not yet finished.
    for (std::string line; std::getline(in, line) && !in.eof();) result.push_back(line);
    return result;
  }

  static bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (; !done(); std::this_thread::sleep_for(std::chrono::milliseconds(5))) {
      if (std::chrono::steady_clock::now() > deadline) return false;
    }
    return true;
  }

  TemporaryFolder dir_;
  ChildProcess recorder_;
};

}  // namespace nimbra::testing
