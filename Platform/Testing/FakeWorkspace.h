#pragma once
// A workspace with fixed applications and the content types they open; counts questions.

#include <atomic>
#include <map>
#include <set>
#include <string>

#include "nimbra/platform/Workspace.h"

namespace nimbra::testing {

class FakeWorkspace final : public platform::Workspace {
 public:
  std::map<std::string, AppLocation, std::less<>> installed;
  std::set<std::string, std::less<>> openedTypes;
  mutable std::atomic<int> questions{0};

  std::optional<AppLocation> applicationURL(std::string_view bundleID) const override {
    ++questions;
    const auto it = installed.find(bundleID);
    if (it == installed.end()) return std::nullopt;
    return it->second;
  }
  bool hasApplicationsOpening(std::string_view contentType) const override {
    ++questions;
    return openedTypes.contains(contentType);
  }
};

}  // namespace nimbra::testing
