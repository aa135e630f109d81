#pragma once
// Application bundles from a fixed table.

#include <map>

#include "nimbra/platform/ApplicationBundles.h"

namespace nimbra::testing {

class FakeApplicationBundles final : public platform::ApplicationBundles {
 public:
  std::map<std::filesystem::path, std::string> identifiers;

  std::optional<std::string> bundleIdentifier(const std::filesystem::path& location) const override {
    const auto it = identifiers.find(location);
    if (it == identifiers.end()) return std::nullopt;
    return it->second;
  }
};

}  // namespace nimbra::testing
