#pragma once
// The extension's log: the system journal, with the subsystem and category as fields.

#include <memory>
#include <string_view>

namespace nimbra::platform {

class SystemLog {
 public:
  virtual ~SystemLog() = default;
  virtual void info(std::string_view message) = 0;
  virtual void error(std::string_view message) = 0;
};

// GLib structured logging (to the journal) with subsystem "ai.corvane.nimbra" and `category`.
std::shared_ptr<SystemLog> journalLog(std::string_view category);

}  // namespace nimbra::platform
