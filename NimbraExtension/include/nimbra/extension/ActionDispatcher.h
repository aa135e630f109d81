#pragma once
// Carries out a picked menu action: creates, reveals and renames new items,
// sends items to the Desktop, Documents, an archive or Desktop aliases, opens
// folders in applications, and hands what needs a window to the companion app.
// Every failure is logged at error level and answered with the host's beep.
// Call on the host's main loop; long work runs in the background and reports back there.
// That work refers to the dispatcher: keep it alive until the scheduler has run it.

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "nimbra/MenuAction.h"
#include "nimbra/SettingsStore.h"
#include "nimbra/extension/HostServices.h"
#include "nimbra/extension/NewItemCreator.h"
#include "nimbra/platform/FileManager.h"
#include "nimbra/platform/FileOperations.h"
#include "nimbra/platform/Launcher.h"
#include "nimbra/platform/Notifications.h"
#include "nimbra/platform/ProcessRunner.h"
#include "nimbra/platform/Scheduler.h"
#include "nimbra/platform/SystemLog.h"
#include "nimbra/platform/UserFolders.h"
#include "nimbra/platform/Workspace.h"

namespace nimbra::extension {

struct DispatcherServices {
  std::shared_ptr<platform::FileOperations> files;
  std::shared_ptr<platform::Notifications> notifications;
  std::shared_ptr<platform::FileManager> fileManager;
  std::shared_ptr<platform::Launcher> launcher;
  std::shared_ptr<const platform::Workspace> workspace;
  std::shared_ptr<platform::SystemLog> log;
  std::shared_ptr<platform::Scheduler> scheduler;
  std::shared_ptr<HostServices> host;
  std::function<platform::UserFolders()> userFolders;
  std::function<std::chrono::system_clock::time_point()> now;
  // The extension's texts and templates, for new items.
  std::shared_ptr<const StringTable> strings;
  std::optional<std::filesystem::path> templatesFolder;
  // The archiver program the zipper runs, and how it is run.
  std::shared_ptr<platform::ProcessRunner> processes;
  std::filesystem::path archiver;
};

class ActionDispatcher {
 public:
  static constexpr int renameAttempts = 12;
  static constexpr std::chrono::milliseconds renameInterval{100};

  explicit ActionDispatcher(DispatcherServices services);

  // `settings` is null when the store cannot be reached.
  void perform(const MenuAction& action, const std::optional<std::filesystem::path>& target,
               const std::vector<std::filesystem::path>& selection, SettingsStore* settings);

  // The folder to create a new item in: the target, else the first selected item;
  // that item itself when it is a plain folder, else its parent.
  std::optional<std::filesystem::path> targetFolder(const std::optional<std::filesystem::path>& target,
                                                    const std::vector<std::filesystem::path>& selection) const;

  void fail(std::string_view message);

 private:
  // The item itself when it is a plain folder, else the folder it is in.
  std::filesystem::path folderOf(const std::filesystem::path& item) const;
  void createInFolder(const NewItem& item, const std::filesystem::path& folder, bool rename);
  void renameAttempt(std::filesystem::path item, int attempt);
  void sendInBackground(SendToAction action, std::vector<std::filesystem::path> items);
  std::vector<std::filesystem::path> makeDesktopAliases(const std::vector<std::filesystem::path>& items,
                                                        const std::filesystem::path& desktop);
  void openWith(const std::string& bundleID, const std::vector<std::filesystem::path>& items);
  // Posts the notification, then launches (or brings forward) the companion app.
  void handOff(std::string_view notification);

  DispatcherServices services_;
};

}  // namespace nimbra::extension
