#include "nimbra/OpenWithEntry.h"

#include "nimbra/AppLocating.h"

namespace nimbra {

std::optional<std::string_view> OpenWithEntry::knownAppName(std::string_view bundleID) {
  for (const auto& app : knownApps) {
    if (app.bundleID == bundleID) return app.name;
  }
  return std::nullopt;
}

std::span<const std::string_view> OpenWithEntry::installedAs(std::string_view bundleID) {
  for (const auto& app : knownApps) {
    if (app.bundleID == bundleID) return app.installedAs;
  }
  return {};
}

std::optional<AppLocation> WorkspaceAppLocator::applicationURL(std::string_view bundleID) const {
  if (auto app = workspace_->applicationURL(bundleID)) return app;
  for (const auto alias : OpenWithEntry::installedAs(bundleID)) {
    if (auto app = workspace_->applicationURL(alias)) return app;
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
