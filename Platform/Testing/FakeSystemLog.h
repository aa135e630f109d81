#pragma once
// A log that keeps every line with its level, in order.

#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "nimbra/platform/SystemLog.h"

namespace nimbra::testing {

class FakeSystemLog final : public platform::SystemLog {
 public:
  enum class Level { info, error };
  struct Line {
    Level level;
    std::string message;
    bool operator==(const Line&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Line& line) {
      return out << (line.level == Level::info ? "info: " : "error: ") << line.message;
    }
  };

  void info(std::string_view message) override { add(Level::info, message); }
  void error(std::string_view message) override { add(Level::error, message); }

  std::vector<Line> lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
  }
  std::vector<std::string> infos() const { return messages(Level::info); }
  std::vector<std::string> errors() const { return messages(Level::error); }

 private:
  void add(Level level, std::string_view message) {
    std::lock_guard lock(mutex_);
    lines_.push_back({level, std::string(message)});
  }
  std::vector<std::string> messages(Level level) const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> result;
    for (const auto& line : lines_) {
      if (line.level == level) result.push_back(line.message);
    }
    return result;
  }

  mutable std::mutex mutex_;
  std::vector<Line> lines_;
};

}  // namespace nimbra::testing
