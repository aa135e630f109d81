#include "PreferencesServices.h"

#include "Updater.h"
#include "nimbra/platform/Resources.h"
#include "nimbra/platform/linux/GioContentTypes.h"
#include "nimbra/platform/linux/InstalledApplications.h"

namespace nimbra::preferences {
namespace {

// Any address inside the app finds the resources installed beside it.
void resourceAnchor() {}

// The extension's own table, so the window says what the menus say.
std::shared_ptr<const StringTable> extensionStrings() {
  const auto root = platform::deliverableResources("extension", reinterpret_cast<const void*>(&resourceAnchor));
  if (!root) return std::make_shared<const StringTable>();
  return std::make_shared<const StringTable>(StringTable::load(*root / "strings", platform::preferredLanguages()));
}

}  // namespace

PreferencesServices PreferencesServices::system(std::function<std::optional<SettingsStore>()> openStore) {
  const auto apps = std::make_shared<const WorkspaceAppLocator>(platform::systemWorkspace());
  return {std::move(openStore),
          platform::systemApplicationBundles(),
          apps,
          platform::installedApplications,
          platform::systemContentTypes(),
          std::make_shared<icons::MenuIcons>(apps),
          extensionStrings(),
          &updates::Updater::shared()};
}

}  // namespace nimbra::preferences
