#pragma once
// Cross-process notifications by name: broadcast, fire-and-forget. The companion
// app hears them on its own event loop (QtDBus).

#include <memory>
#include <string_view>

namespace nimbra::platform {

class SystemLog;

class Notifications {
 public:
  virtual ~Notifications() = default;
  // Never blocks and never waits for a receiver; without a bus the post is dropped (and logged).
  virtual void post(std::string_view name) = 0;
};

// Signals on the D-Bus session bus. A post has been written to the bus when it
// returns, so a process may exit right after it. Problems are logged to `log`.
std::shared_ptr<Notifications> sessionBusNotifications(std::shared_ptr<SystemLog> log);

}  // namespace nimbra::platform
