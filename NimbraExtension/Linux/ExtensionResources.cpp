#include "nimbra/extension/linux/ExtensionResources.h"

#include "nimbra/platform/Resources.h"

namespace nimbra::extension {
namespace {

// Any address inside this deliverable finds its resources.
void resourceAnchor() {}

ExtensionResources load() {
  auto root = platform::deliverableResources("extension", reinterpret_cast<const void*>(&resourceAnchor));
  const auto languages = platform::preferredLanguages();
  StringTable strings = root ? StringTable::load(*root / "strings", languages) : StringTable{};
  return ExtensionResources(std::move(root), std::move(strings));
}

}  // namespace

const ExtensionResources& ExtensionResources::shared() {
  static const ExtensionResources resources = load();
  return resources;
}

std::optional<std::filesystem::path> ExtensionResources::templatesFolder() const {
  if (!root_) return std::nullopt;
  return *root_ / "Templates";
}

}  // namespace nimbra::extension
