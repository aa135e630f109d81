#pragma once
// Carries out a picked menu action: creates, reveals and renames new items,
// sends items to the Desktop, Documents, an archive or Desktop aliases, opens
// folders in applications, and hands what needs a window to the companion app.
// Every failure is logged at error level and answered with the host's beep.
//
// Called on the host's main loop, it returns at once: the file, settings and bus
// work runs in the background, and only the host's own calls (reveal, rename,
// beep) come back to the main loop. Picks are handled one after another, in the
// order they were made (two quick New Folder picks give "New Folder" and "New
// Folder 2"); copies, archives and launches then go on side by side. The work
// holds what it uses, so it may outlive the dispatcher.

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "nimbra/AppLocating.h"
#include "nimbra/MenuAction.h"
#include "nimbra/SettingsStore.h"
#include "nimbra/StringTable.h"
#include "nimbra/extension/HostServices.h"
#include "nimbra/platform/FileManager.h"
#include "nimbra/platform/FileOperations.h"
#include "nimbra/platform/Launcher.h"
#include "nimbra/platform/Notifications.h"
#include "nimbra/platform/ProcessRunner.h"
#include "nimbra/platform/Scheduler.h"
#include "nimbra/platform/SerialQueue.h"
#include "nimbra/platform/SystemLog.h"
#include "nimbra/platform/UserFolders.h"

namespace nimbra::extension {

struct DispatcherServices {
  std::shared_ptr<platform::FileOperations> files;
  std::shared_ptr<platform::Notifications> notifications;
  std::shared_ptr<platform::FileManager> fileManager;
  std::shared_ptr<platform::Launcher> launcher;
  std::shared_ptr<const AppLocating> apps;  // asked afresh on every pick
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

  // Throws std::invalid_argument when a service is missing.
  explicit ActionDispatcher(DispatcherServices services);

  // `settings` is absent when the store cannot be reached.
  void perform(const MenuAction& action, std::optional<std::filesystem::path> target,
               std::vector<std::filesystem::path> selection, std::optional<SettingsStore> settings) const;

 private:
  std::shared_ptr<const DispatcherServices> services_;
  std::shared_ptr<platform::SerialQueue> picks_;
};

// The folder to create a new item in: the target, else the first selected item;
// that item itself when it is a plain folder (a link to one included), else the
// folder it is in. Asks the file system.
std::optional<std::filesystem::path> targetFolder(const std::optional<std::filesystem::path>& target,
                                                  const std::vector<std::filesystem::path>& selection,
                                                  const platform::FileOperations& files);

}  // namespace nimbra::extension
