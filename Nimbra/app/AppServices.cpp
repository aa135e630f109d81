// GLib's headers first: Qt's keyword macros (signals, slots) would break them.
#include "nimbra/platform/linux/DolphinPresence.h"
#include "nimbra/platform/linux/MainLoopScheduler.h"
#include "nimbra/platform/linux/ModulePresence.h"
#include "nimbra/platform/linux/SessionBusNotifications.h"
#include "nimbra/platform/linux/SessionFileManager.h"
#include "nimbra/platform/linux/SqliteDefaultsSuite.h"

#include "AppServices.h"

#include <QCoreApplication>
#include <QSettings>
#include <string>
#include <vector>

#include "Appearance.h"
#include "nimbra/SetupState.h"
#include "nimbra/platform/Failure.h"
#include "nimbra/platform/SystemLog.h"

namespace nimbra::app {
namespace {

// The app keeps no log: what goes wrong is shown to the user, or is of no consequence.
class NoLog final : public platform::SystemLog {
 public:
  void info(std::string_view) override {}
  void error(std::string_view) override {}
};

// Among the file managers we have a module for, the one the user has.
std::shared_ptr<platform::FileManagerPresence> presenceInUse() {
  const std::vector<std::shared_ptr<platform::FileManagerPresence>> known = {
      platform::modulePresence(platform::filesModule(NIMBRA_NAUTILUS_MODULE)),
      platform::modulePresence(platform::nemoModule(NIMBRA_NEMO_MODULE)),
      platform::modulePresence(platform::cajaModule(NIMBRA_CAJA_MODULE)),
      platform::modulePresence(platform::thunarModule(NIMBRA_THUNAR_MODULE)),
      platform::dolphinPresence(NIMBRA_DOLPHIN_MODULE),
  };
  std::vector<std::string> desktopIDs;
  for (const auto& presence : known) desktopIDs.push_back(presence->desktopID());
  return known[fileManagerInUse(desktopIDs, platform::defaultFileManagerID(), platform::desktopEntryInstalled)];
}

}  // namespace

AppServices AppServices::system() {
  AppServices services;
  services.openStore = []() -> std::optional<SettingsStore> {
    try {
      return SettingsStore(platform::openSharedSuite());
    } catch (const platform::Failure&) {
      return std::nullopt;
    }
  };
  services.files = platform::systemFileOperations();
  services.extensionSwitch = platform::userExtensionSwitch();
  services.fileManager = platform::sessionFileManager(std::make_shared<NoLog>(), platform::mainLoopScheduler());
  services.notifications = platform::sessionBusListener();
  services.presence = presenceInUse();
  services.sharedContainer = platform::sharedContainerPath();
  services.quit = [] { QCoreApplication::quit(); };
  services.reducesMotion = appearance::reducesMotion;
  services.ownSettings = std::make_shared<QSettings>("ai.corvane.nimbra", "Nimbra");
  return services;
}

}  // namespace nimbra::app
