#pragma once
// Cross-process notifications by name: broadcast, fire-and-forget.

#include <functional>
#include <string_view>

namespace nimbra::platform {

class Notifications {
 public:
  virtual ~Notifications() = default;
  // Never blocks and never waits for a receiver; without a bus the post is dropped (and logged).
  virtual void post(std::string_view name) = 0;
};

class NotificationListener {
 public:
  virtual ~NotificationListener() = default;
  // Calls `heard` on the main loop for every post of `name` by any process, for as
  // long as the listener lives. Without a bus nothing is ever heard.
  virtual void listen(std::string_view name, std::function<void()> heard) = 0;
};

}  // namespace nimbra::platform
