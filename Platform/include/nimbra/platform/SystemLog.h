#pragma once
// The extension's log: lines at two levels.

#include <string_view>

namespace nimbra::platform {

class SystemLog {
 public:
  virtual ~SystemLog() = default;
  virtual void info(std::string_view message) = 0;
  virtual void error(std::string_view message) = 0;
};

}  // namespace nimbra::platform
