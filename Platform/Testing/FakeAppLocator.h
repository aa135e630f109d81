#pragma once
// A locator with a fixed set of installed applications; counts what was asked.

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "nimbra/AppLocating.h"

namespace nimbra::testing {

class FakeAppLocator final : public AppLocating {
 public:
  std::map<std::string, AppLocation, std::less<>> installed;

  std::optional<AppLocation> applicationURL(std::string_view bundleID) const override {
    std::lock_guard lock(mutex_);
    asked_.emplace_back(bundleID);
    const auto it = installed.find(bundleID);
    if (it == installed.end()) return std::nullopt;
    return it->second;
  }

  std::vector<std::string> asked() const {
    std::lock_guard lock(mutex_);
    return asked_;
  }

 private:
  mutable std::mutex mutex_;
  mutable std::vector<std::string> asked_;
};

}  // namespace nimbra::testing
