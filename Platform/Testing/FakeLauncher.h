#pragma once
// A launcher that records what it was asked to open and answers with a set error.

#include <functional>
#include <mutex>

#include "nimbra/platform/Launcher.h"

namespace nimbra::testing {

class FakeLauncher final : public platform::Launcher {
 public:
  struct Opened {
    std::vector<std::filesystem::path> folders;
    AppLocation app;
    bool operator==(const Opened&) const = default;
  };

  // The answers; nothing means success.
  std::optional<std::string> openError;
  // Called when the companion app is opened, before it is counted.
  std::function<void()> onOpenCompanionApp;

  std::optional<std::string> open(const std::vector<std::filesystem::path>& folders, const AppLocation& app) override {
    std::lock_guard lock(mutex_);
    opened_.push_back({folders, app});
    return openError;
  }

  std::optional<std::string> openCompanionApp() override {
    if (onOpenCompanionApp) onOpenCompanionApp();
    std::lock_guard lock(mutex_);
    ++companionOpens_;
    return std::nullopt;
  }

  // Every open request, in order.
  std::vector<Opened> opened() const {
    std::lock_guard lock(mutex_);
    return opened_;
  }
  int companionOpens() const {
    std::lock_guard lock(mutex_);
    return companionOpens_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<Opened> opened_;
  int companionOpens_ = 0;
};

}  // namespace nimbra::testing
