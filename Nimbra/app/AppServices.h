#pragma once
// What the companion app needs of the system, passed in so that tests can give
// their own: the shared settings (a fresh store for each task), the file system,
// the user's switch for the menus, the file manager the user has, the extension's
// notifications, the desktop's wishes and the app's own settings.

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "nimbra/SettingsStore.h"
#include "nimbra/platform/ExtensionSwitch.h"
#include "nimbra/platform/FileManager.h"
#include "nimbra/platform/FileManagerPresence.h"
#include "nimbra/platform/FileOperations.h"
#include "nimbra/platform/Notifications.h"

class QSettings;

namespace nimbra::app {

struct AppServices {
  // Nothing when the shared settings cannot be reached.
  std::function<std::optional<SettingsStore>()> openStore;
  std::shared_ptr<platform::FileOperations> files;
  std::shared_ptr<platform::ExtensionSwitch> extensionSwitch;
  // Shows items selected in the file manager; never waits for it.
  std::shared_ptr<platform::FileManager> fileManager;
  // The extension's notifications, heard for the life of the app.
  std::shared_ptr<platform::NotificationListener> notifications;
  // The file manager the user has, and whether our extension is in it.
  std::shared_ptr<platform::FileManagerPresence> presence;
  // The shared settings' folder, which uninstalling may remove.
  std::filesystem::path sharedContainer;
  // Ends the app.
  std::function<void()> quit;
  // Whether the desktop asks apps for less motion.
  std::function<bool()> reducesMotion;
  // The app's own settings, apart from the shared ones.
  std::shared_ptr<QSettings> ownSettings;

  static AppServices system();
};

}  // namespace nimbra::app
