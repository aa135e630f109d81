#pragma once
// What the preferences window needs of the system, passed in so that tests can
// give their own.

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "icons/MenuIcons.h"
#include "nimbra/AppLocating.h"
#include "nimbra/SettingsStore.h"
#include "nimbra/StringTable.h"
#include "nimbra/platform/ApplicationBundles.h"
#include "nimbra/platform/ContentTypes.h"

namespace nimbra::updates { class Updater; }

namespace nimbra::preferences {

struct PreferencesServices {
  // Nothing when the shared settings cannot be reached.
  std::function<std::optional<SettingsStore>()> openStore;
  // Reads the identifier of an application the user adds.
  std::shared_ptr<const platform::ApplicationBundles> bundles;
  // Asked afresh every time, so the window shows what is installed now.
  std::shared_ptr<const AppLocating> apps;
  // The applications the user can add.
  std::function<std::vector<AppLocation>()> installedApps;
  std::shared_ptr<const platform::ContentTypes> contentTypes;
  std::shared_ptr<icons::MenuIcons> icons;
  // The extension's texts: the Send to titles and the built-in entries' defaults are the menus'.
  std::shared_ptr<const StringTable> strings;
  updates::Updater* updater = nullptr;

  static PreferencesServices system(std::function<std::optional<SettingsStore>()> openStore);
};

}  // namespace nimbra::preferences
