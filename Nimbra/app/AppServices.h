#pragma once
// What the companion app needs of the system, passed in so that tests can give
// their own: the shared settings (a fresh store for each task), the file system,
// the user's switch for the menus, the file manager, the desktop's wishes and the
// app's own settings.

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "nimbra/SettingsStore.h"
#include "nimbra/platform/ExtensionSwitch.h"
#include "nimbra/platform/FileOperations.h"

class QSettings;

namespace nimbra::app {

struct AppServices {
  // Nothing when the shared settings cannot be reached.
  std::function<std::optional<SettingsStore>()> openStore;
  std::shared_ptr<platform::FileOperations> files;
  std::shared_ptr<platform::ExtensionSwitch> extensionSwitch;
  // Shows the items selected in the file manager; never waits for it.
  std::function<void(const std::vector<std::filesystem::path>&)> reveal;
  // The shared settings' folder, which uninstalling may remove.
  std::filesystem::path sharedContainer;
  // Ends the app.
  std::function<void()> quit;
  // Our module where Files loads its extensions from when it starts.
  std::filesystem::path filesModule;
  // Asks Files to quit; does not wait.
  std::function<void()> quitFiles;
  // Whether the desktop asks apps for less motion.
  std::function<bool()> reducesMotion;
  // The app's own settings, apart from the shared ones.
  std::shared_ptr<QSettings> ownSettings;

  static AppServices system();
};

}  // namespace nimbra::app
