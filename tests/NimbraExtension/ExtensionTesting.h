#pragma once
// The extension's services as fakes that record what they were asked, over the
// real file system. Every piece of work runs on the test's thread, on a
// ManualScheduler, so the fakes need no locks.

#include <memory>

#include "FakeDesktop.h"
#include "FakeSystemLog.h"
#include "FakeWorkspace.h"
#include "FileTesting.h"
#include "ManualScheduler.h"
#include "nimbra/StringTable.h"
#include "nimbra/extension/ActionDispatcher.h"
#include "nimbra/platform/Failure.h"

namespace nimbra::testing {

class FakeHost final : public extension::HostServices {
 public:
  int beeps = 0;
  bool permitted = true;
  int permissionRequests = 0;
  bool frontmost = false;
  std::vector<std::filesystem::path> selection;
  int renames = 0;

  void beep() override { ++beeps; }
  bool mayPressKeys() override { return permitted; }
  void askToPressKeys() override { ++permissionRequests; }
  bool fileManagerIsFrontmost() override { return frontmost; }
  std::vector<std::filesystem::path> selectedItems() override { return selection; }
  void pressRename() override { ++renames; }
};

struct FakeLauncher final : platform::Launcher {
  struct Opened {
    std::vector<std::filesystem::path> folders;
    AppLocation app;
    bool operator==(const Opened&) const = default;
  };
  std::vector<Opened> opened;
  int companionOpens = 0;
  std::optional<int> openError;  // nothing: success
  std::function<void()> onOpenCompanionApp;

  void open(const std::vector<std::filesystem::path>& folders, const AppLocation& app) override {
    opened.push_back({folders, app});
    if (openError) platform::fail(platform::Operation::launch, *openError, app.url);
  }
  void openCompanionApp() override {
    if (onOpenCompanionApp) onOpenCompanionApp();
    ++companionOpens;
  }
};

struct FakeServices {
  std::shared_ptr<FakeNotifications> notifications = std::make_shared<FakeNotifications>();
  std::shared_ptr<FakeFileManager> fileManager = std::make_shared<FakeFileManager>();
  std::shared_ptr<FakeLauncher> launcher = std::make_shared<FakeLauncher>();
  std::shared_ptr<FakeWorkspace> apps = std::make_shared<FakeWorkspace>();
  std::shared_ptr<FakeSystemLog> log = std::make_shared<FakeSystemLog>();
  std::shared_ptr<ManualScheduler> scheduler = std::make_shared<ManualScheduler>();
  std::shared_ptr<FakeHost> host = std::make_shared<FakeHost>();
  TemporaryFolder home;

  extension::DispatcherServices services() const {
    extension::DispatcherServices s;
    s.files = platform::systemFileOperations();
    s.notifications = notifications;
    s.fileManager = fileManager;
    s.launcher = launcher;
    s.apps = std::make_shared<WorkspaceAppLocator>(apps);
    s.log = log;
    s.scheduler = scheduler;
    s.host = host;
    s.userFolders = [home = home.path()] { return platform::UserFolders{home, home / "Desktop", home / "Documents"}; };
    s.now = [] { return std::chrono::system_clock::now(); };
    s.strings = std::make_shared<StringTable>(StringTable::fromEntries({{"item.txt.name", "New Text Document"}}));
    s.processes = platform::systemProcessRunner();
    s.archiver = std::filesystem::path(std::getenv("NIMBRA_BIN_DIR")) / "nimbra-zip";
    return s;
  }
};

}  // namespace nimbra::testing
