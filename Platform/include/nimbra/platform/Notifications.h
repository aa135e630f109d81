#pragma once
// Cross-process notifications by name: broadcast, fire-and-forget.

#include <functional>
#include <memory>
#include <string_view>

namespace nimbra::platform {

class SystemLog;

class Notifications {
 public:
  // Keeps an observation alive; dropping it stops the deliveries.
  class Observation {
   public:
    virtual ~Observation() = default;
  };

  virtual ~Notifications() = default;
  // Never blocks and never waits for a receiver; without a bus the post is dropped (and logged).
  virtual void post(std::string_view name) = 0;
  // `handler` runs on the main loop for every post of `name` by any process
  // (this one included). Call it on the main thread.
  virtual std::unique_ptr<Observation> observe(std::string_view name, std::function<void()> handler) = 0;
};

// Signals on the D-Bus session bus. A post has been written to the bus when it
// returns, so a process may exit right after it. Problems are logged to `log`.
std::shared_ptr<Notifications> sessionBusNotifications(std::shared_ptr<SystemLog> log);

}  // namespace nimbra::platform
