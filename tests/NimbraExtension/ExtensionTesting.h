#pragma once
// The extension's services as fakes that record what they were asked, over the
// real file system, with every piece of work run by a ManualScheduler.

#include <memory>

#include "FakeAppLocator.h"
#include "FakeFileManager.h"
#include "FakeLauncher.h"
#include "FakeNotifications.h"
#include "FakeSystemLog.h"
#include "FileTesting.h"
#include "ManualScheduler.h"
#include "nimbra/StringTable.h"
#include "nimbra/extension/ActionDispatcher.h"

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

struct FakeServices {
  std::shared_ptr<FakeNotifications> notifications = std::make_shared<FakeNotifications>();
  std::shared_ptr<FakeFileManager> fileManager = std::make_shared<FakeFileManager>();
  std::shared_ptr<FakeLauncher> launcher = std::make_shared<FakeLauncher>();
  std::shared_ptr<FakeAppLocator> apps = std::make_shared<FakeAppLocator>();
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
    s.apps = apps;
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
