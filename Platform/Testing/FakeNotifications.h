#pragma once
// Notifications that record every post. Nothing the tests drive observes one.

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "nimbra/platform/Notifications.h"

namespace nimbra::testing {

class FakeNotifications final : public platform::Notifications {
 public:
  // Called at each post, before it is recorded: lets a test look at other
  // fakes at that moment (e.g. that the pending value was written first).
  std::function<void(std::string_view name)> onPost;

  void post(std::string_view name) override {
    if (onPost) onPost(name);
    std::lock_guard lock(mutex_);
    posted_.emplace_back(name);
  }

  std::unique_ptr<Observation> observe(std::string_view, std::function<void()>) override {
    return std::make_unique<Observation>();
  }

  // Every name posted, in order.
  std::vector<std::string> posted() const {
    std::lock_guard lock(mutex_);
    return posted_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> posted_;
};

}  // namespace nimbra::testing
