#include "nimbra/OpenWithEntry.h"

namespace nimbra {

std::optional<std::string_view> OpenWithEntry::knownAppName(std::string_view bundleID) {
  for (const auto& app : knownApps) {
    if (app.bundleID == bundleID) return app.name;
  }
  return std::nullopt;
}

std::vector<OpenWithEntry> OpenWithEntry::defaults() {
  std::vector<OpenWithEntry> entries;
  entries.reserve(knownApps.size());
  for (const auto& app : knownApps) entries.push_back({std::string(app.bundleID), true, true});
  return entries;
}

}  // namespace nimbra
