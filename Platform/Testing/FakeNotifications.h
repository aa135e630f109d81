#pragma once
// Notifications that record every post and reach observers only when a test delivers.

#include <functional>
#include <map>
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

  std::unique_ptr<Observation> observe(std::string_view name, std::function<void()> handler) override {
    std::lock_guard lock(observers_->mutex);
    const int id = observers_->next++;
    observers_->handlers.emplace(id, Handler{std::string(name), std::move(handler)});
    return std::make_unique<FakeObservation>(observers_, id);
  }

  // Every name posted, in order.
  std::vector<std::string> posted() const {
    std::lock_guard lock(mutex_);
    return posted_;
  }

  // Runs the handlers observing `name`, as a post by any process would; how many ran.
  int deliver(std::string_view name) {
    std::vector<std::function<void()>> toRun;
    {
      std::lock_guard lock(observers_->mutex);
      for (const auto& [id, handler] : observers_->handlers) {
        if (handler.name == name) toRun.push_back(handler.run);
      }
    }
    for (const auto& run : toRun) run();
    return static_cast<int>(toRun.size());
  }

  // How many live observations watch `name`.
  int observers(std::string_view name) const {
    std::lock_guard lock(observers_->mutex);
    int count = 0;
    for (const auto& [id, handler] : observers_->handlers) count += handler.name == name;
    return count;
  }

 private:
  struct Handler {
    std::string name;
    std::function<void()> run;
  };
  struct Observers {
    std::mutex mutex;
    std::map<int, Handler> handlers;
    int next = 0;
  };
  class FakeObservation final : public Observation {
   public:
    FakeObservation(std::weak_ptr<Observers> observers, int id) : observers_(std::move(observers)), id_(id) {}
    ~FakeObservation() override {
      if (auto observers = observers_.lock()) {
        std::lock_guard lock(observers->mutex);
        observers->handlers.erase(id_);
      }
    }

   private:
    std::weak_ptr<Observers> observers_;
    int id_;
  };

  mutable std::mutex mutex_;
  std::vector<std::string> posted_;
  std::shared_ptr<Observers> observers_ = std::make_shared<Observers>();
};

}  // namespace nimbra::testing
