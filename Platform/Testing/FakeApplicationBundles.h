#pragma once
// Application bundles from a fixed table; records what was asked.

#include <map>
#include <vector>

#include "nimbra/platform/ApplicationBundles.h"

namespace nimbra::testing {

class FakeApplicationBundles final : public platform::ApplicationBundles {
 public:
  std::map<std::filesystem::path, std::string> identifiers;
  mutable std::vector<std::filesystem::path> asked;

  std::optional<std::string> bundleIdentifier(const std::filesystem::path& location) const override {
    asked.push_back(location);
    const auto it = identifiers.find(location);
    if (it == identifiers.end()) return std::nullopt;
    return it->second;
  }
};

}  // namespace nimbra::testing
