#pragma once
// Cross-process notifications by name: broadcast, fire-and-forget.

#include <functional>
#include <memory>
#include <string_view>

namespace nimbra::platform {

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
  // `handler` runs on the main loop for every post of `name` by any process.
  virtual std::unique_ptr<Observation> observe(std::string_view name, std::function<void()> handler) = 0;
};

// Signals on the D-Bus session bus.
std::shared_ptr<Notifications> sessionBusNotifications();

}  // namespace nimbra::platform
