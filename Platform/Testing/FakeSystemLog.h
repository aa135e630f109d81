#pragma once
// A log that keeps every line with its level, in order.

#include <mutex>
#include <string>
#include <vector>

#include "nimbra/platform/SystemLog.h"

namespace nimbra::testing {

class FakeSystemLog final : public platform::SystemLog {
 public:
  void info(std::string_view message) override { add("info: ", message); }
  void error(std::string_view message) override { add("error: ", message); }

  // Every line, its level in front.
  std::vector<std::string> lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
  }
  std::vector<std::string> infos() const { return messages("info: "); }
  std::vector<std::string> errors() const { return messages("error: "); }

 private:
  void add(std::string_view level, std::string_view message) {
    std::lock_guard lock(mutex_);
    lines_.push_back(std::string(level).append(message));
  }
  std::vector<std::string> messages(std::string_view level) const {
    std::vector<std::string> result;
    for (const auto& line : lines()) {
      if (line.starts_with(level)) result.push_back(line.substr(level.size()));
    }
    return result;
  }

  mutable std::mutex mutex_;
  std::vector<std::string> lines_;
};

}  // namespace nimbra::testing
