#include <gtest/gtest.h>

#include "FakeDefaultsSuite.h"
#include "FakeFileManager.h"
#include "FakeLauncher.h"
#include "FakeNotifications.h"
#include "FakeSystemLog.h"
#include "FakeWorkspace.h"
#include "FileTesting.h"
#include "ManualScheduler.h"
#include "nimbra/HandOff.h"
#include "nimbra/StringTable.h"
#include "nimbra/extension/FinderSync.h"

namespace nimbra::extension {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class FakeHost final : public HostServices {
 public:
  int beeps = 0;
  bool permitted = true;
  int permissionRequests = 0;
  bool frontmost = false;
  std::vector<fs::path> selection;
  int renames = 0;
  int selectionChecks = 0;

  void beep() override { ++beeps; }
  bool mayPressKeys() override { return permitted; }
  void askToPressKeys() override { ++permissionRequests; }
  bool fileManagerIsFrontmost() override { return frontmost; }
  std::vector<fs::path> selectedItems() override {
    ++selectionChecks;
    return selection;
  }
  void pressRename() override { ++renames; }
};

class ActionDispatcherTest : public ::testing::Test {
 protected:
  ActionDispatcherTest() {
    workspace_->installed["dev.zed.Zed"] = AppLocation{"/apps/zed.desktop", "Zed"};
    services_.files = platform::systemFileOperations();
    services_.notifications = notifications_;
    services_.fileManager = fileManager_;
    services_.launcher = launcher_;
    services_.workspace = workspace_;
    services_.log = log_;
    services_.scheduler = scheduler_;
    services_.host = host_;
    services_.userFolders = [this] { return platform::UserFolders{home_.path(), home_ / "Desktop", home_ / "Documents"}; };
    services_.now = [] { return std::chrono::system_clock::now(); };
    services_.strings = std::make_shared<StringTable>(StringTable::fromEntries({{"item.txt.name", "New Text Document"}}));
    fs::create_directories(home_ / "Desktop");
  }

  void perform(const MenuAction& action, std::optional<fs::path> target, std::vector<fs::path> selection = {},
               bool withStore = true) {
    ActionDispatcher dispatcher(services_);
    dispatcher.perform(action, target, selection, withStore ? &store_ : nullptr);
    scheduler_->runAll();
  }

  std::shared_ptr<testing::FakeNotifications> notifications_ = std::make_shared<testing::FakeNotifications>();
  std::shared_ptr<testing::FakeFileManager> fileManager_ = std::make_shared<testing::FakeFileManager>();
  std::shared_ptr<testing::FakeLauncher> launcher_ = std::make_shared<testing::FakeLauncher>();
  std::shared_ptr<testing::FakeWorkspace> workspace_ = std::make_shared<testing::FakeWorkspace>();
  std::shared_ptr<testing::FakeSystemLog> log_ = std::make_shared<testing::FakeSystemLog>();
  std::shared_ptr<testing::ManualScheduler> scheduler_ = std::make_shared<testing::ManualScheduler>();
  std::shared_ptr<FakeHost> host_ = std::make_shared<FakeHost>();
  std::shared_ptr<testing::FakeDefaultsSuite> suite_ = std::make_shared<testing::FakeDefaultsSuite>();
  SettingsStore store_{suite_};
  testing::TemporaryFolder home_, folder_;
  DispatcherServices services_;
};

TEST_F(ActionDispatcherTest, CreatesRevealsRenamesOnceSelectedAndTellsTheApp) {
  host_->frontmost = true;
  perform(MenuAction::Create{"txt"}, folder_.path());
  const auto created = folder_ / "New Text Document.txt";
  EXPECT_TRUE(fs::exists(created));
  EXPECT_EQ(fileManager_->revealed(), std::vector<fs::path>{created});
  EXPECT_EQ(notifications_->posted(), std::vector<std::string>{std::string(handOff::menuUsed)});
  // The file manager never selected it: twelve checks 100 ms apart, then give up.
  EXPECT_EQ(scheduler_->delays, std::vector<std::chrono::milliseconds>(12, 100ms));
  EXPECT_EQ(host_->renames, 0);
  EXPECT_EQ(log_->infos().back(), "rename: Finder never selected just the new item");
  EXPECT_EQ(log_->infos().front(), "perform create(txt)");
  EXPECT_EQ(host_->beeps, 0);
}

TEST_F(ActionDispatcherTest, PressesRenameOnTheFirstCheckWithExactlyTheNewItemSelected) {
  ActionDispatcher dispatcher(services_);
  host_->frontmost = true;
  dispatcher.perform(MenuAction::Create{"txt"}, folder_.path(), {}, &store_);
  const auto created = folder_ / "New Text Document.txt";
  host_->selection = {folder_ / "other", created};
  ASSERT_TRUE(scheduler_->fireNextTimer());
  ASSERT_TRUE(scheduler_->fireNextTimer());
  host_->selection = {folder_ / "." / "New Text Document.txt"};
  host_->frontmost = false;
  ASSERT_TRUE(scheduler_->fireNextTimer());
  host_->frontmost = true;
  ASSERT_TRUE(scheduler_->fireNextTimer());
  EXPECT_EQ(host_->renames, 1);
  EXPECT_EQ(scheduler_->now(), 400ms);
  EXPECT_EQ(scheduler_->pendingTimers(), 0u);
}

TEST_F(ActionDispatcherTest, RenameWithoutPermissionAsksAndMovesOn) {
  host_->permitted = false;
  perform(MenuAction::Create{"folder"}, folder_.path());
  EXPECT_EQ(host_->permissionRequests, 1);
  EXPECT_TRUE(scheduler_->delays.empty());
  EXPECT_EQ(log_->infos().back(), "rename: no permission to post events yet");
  EXPECT_EQ(notifications_->posted().size(), 1u);

  // Rename switched off: no attempts at all, and still one notification.
  suite_->setValue(settingsKey::renameNewItems, false);
  host_->permitted = true;
  perform(MenuAction::Create{"folder"}, folder_.path());
  EXPECT_TRUE(scheduler_->delays.empty());
  EXPECT_EQ(notifications_->posted().size(), 2u);
}

TEST_F(ActionDispatcherTest, NewItemsGoToTheTargetTheSelectedFilesFolderOrAPackagesParent) {
  suite_->setValue(settingsKey::renameNewItems, false);
  fs::create_directories(folder_ / "Tool.app");
  testing::writeText(folder_ / "notes.txt", "");
  perform(MenuAction::Create{"folder"}, std::nullopt, {folder_ / "notes.txt"});
  perform(MenuAction::Create{"folder"}, std::nullopt, {folder_ / "Tool.app"});
  perform(MenuAction::Create{"folder"}, folder_ / "Tool.app");
  EXPECT_EQ(fileManager_->revealed(),
            (std::vector<fs::path>{folder_ / "item.folder.name", folder_ / "item.folder.name 2", folder_ / "item.folder.name 3"}));
}

TEST_F(ActionDispatcherTest, FailuresAreLoggedWithTheirMessageAndABeep) {
  perform(MenuAction::Create{"txt"}, folder_.path(), {}, /*withStore=*/false);
  perform(MenuAction::Create{"nonesuch"}, folder_.path());
  perform(MenuAction::Create{"txt"}, std::nullopt);
  perform(MenuAction::SendTo{SendToAction::zip}, std::nullopt);
  perform(MenuAction::SendTo{SendToAction::otherFolder}, folder_.path(), {}, false);
  perform(MenuAction::OpenWith{"com.example.Missing"}, folder_.path());
  perform(MenuAction::OpenWith{"dev.zed.Zed"}, std::nullopt);
  EXPECT_EQ(log_->errors(), (std::vector<std::string>{"no folder or item txt", "no folder or item nonesuch",
                                                      "no folder or item txt", "send to: nothing selected",
                                                      "send to folder: no settings store",
                                                      "open with com.example.Missing: app or items missing",
                                                      "open with dev.zed.Zed: app or items missing"}));
  EXPECT_EQ(host_->beeps, 7);
  EXPECT_TRUE(notifications_->posted().empty());

  launcher_->openError = "Failed to execute child process";
  perform(MenuAction::OpenWith{"dev.zed.Zed"}, folder_.path());
  EXPECT_EQ(log_->errors().back(), "open with dev.zed.Zed: Failed to execute child process");

  const NewItem broken{"broken", NewItemKind::Bundled{"blank.nothing"}, "docx", std::nullopt, std::nullopt, true, false};
  store_.save(std::vector<NewItem>{broken});
  perform(MenuAction::Create{"broken"}, folder_.path());
  EXPECT_EQ(log_->errors().back().rfind("create broken: ", 0), 0u) << log_->errors().back();
  EXPECT_EQ(host_->beeps, 9);
}

TEST_F(ActionDispatcherTest, HandOffsWriteThePendingValueThenPostThenOpenTheApp) {
  std::vector<std::string> order;
  notifications_->onPost = [&](std::string_view name) {
    order.push_back("post " + std::string(name));
    if (name == handOff::transfer) {
      EXPECT_EQ(store_.pendingTransferItems().size(), 2u);
    } else if (name == handOff::makeAlias) {
      EXPECT_EQ(store_.pendingAliasFolder(), folder_.path());
    } else if (name == handOff::openPreferences) {
      EXPECT_TRUE(store_.boolForKey(settingsKey::pendingOpenPreferences));
    }
  };
  launcher_->onOpenCompanionApp = [&] { order.push_back("open app"); };

  perform(MenuAction::SendTo{SendToAction::otherFolder}, folder_.path(), {folder_ / "a", folder_ / "b"});
  perform(MenuAction::Create{"alias"}, folder_.path());
  perform(MenuAction::Customize{}, std::nullopt);
  EXPECT_EQ(order, (std::vector<std::string>{"post ai.corvane.nimbra.transfer", "open app",
                                             "post ai.corvane.nimbra.makeAlias", "open app",
                                             "post ai.corvane.nimbra.openPreferences", "open app"}));

  // Without a store the preferences request still goes out, with no pending flag.
  auto writes = suite_->writes.size();
  perform(MenuAction::FinishSetup{}, std::nullopt, {}, /*withStore=*/false);
  EXPECT_EQ(suite_->writes.size(), writes);
  EXPECT_EQ(launcher_->companionOpens(), 4);
  EXPECT_EQ(host_->beeps, 0);
}

TEST_F(ActionDispatcherTest, OpenWithOpensEachFolderOnceInFirstSeenOrder) {
  fs::create_directories(folder_ / "src");
  testing::writeText(folder_ / "a.txt", "");
  testing::writeText(folder_ / "b.txt", "");
  perform(MenuAction::OpenWith{"dev.zed.Zed"}, std::nullopt,
          {folder_ / "a.txt", folder_ / "src", folder_ / "b.txt", folder_.path() / "", folder_ / "src/../src"});
  ASSERT_EQ(launcher_->opened().size(), 1u);
  EXPECT_EQ(launcher_->opened()[0].folders, (std::vector<fs::path>{folder_.path(), folder_ / "src"}));
  EXPECT_EQ(launcher_->opened()[0].app.name, "Zed");
}

TEST_F(ActionDispatcherTest, DesktopAliasesAreNumberedLinksToTheItems) {
  testing::writeText(folder_ / "report.pdf", "");
  perform(MenuAction::SendTo{SendToAction::desktop}, std::nullopt, {folder_ / "report.pdf"});
  perform(MenuAction::SendTo{SendToAction::desktop}, std::nullopt, {folder_ / "report.pdf"});
  EXPECT_EQ(fs::read_symlink(home_ / "Desktop/report.pdf alias"), folder_ / "report.pdf");
  EXPECT_EQ(fs::read_symlink(home_ / "Desktop/report.pdf alias 2"), folder_ / "report.pdf");
  EXPECT_TRUE(fileManager_->revealed().empty());  // only archives are revealed

  // A missing Desktop fails the whole send with the file system's description.
  fs::remove_all(home_ / "Desktop");
  perform(MenuAction::SendTo{SendToAction::desktopCopy}, std::nullopt, {folder_ / "report.pdf"});
  EXPECT_EQ(log_->errors().size(), 1u);
  EXPECT_EQ(log_->errors()[0].rfind("send to desktopCopy: ", 0), 0u);
}

TEST_F(ActionDispatcherTest, PicksOutOfRangeAreLoggedAndBeep) {
  FinderSync sync(SettingsStore::open(suite_), ExtensionEnvironment{}, services_);
  EXPECT_EQ(log_->infos(), std::vector<std::string>{"FinderSync init"});
  sync.picked(0, folder_.path(), {});
  sync.picked(-1, folder_.path(), {});
  EXPECT_TRUE(log_->errors().empty());  // nothing happens before the next turn of the main loop
  scheduler_->runAll();
  EXPECT_EQ(log_->errors(), (std::vector<std::string>{"menu tag 0 out of range (0 actions)",
                                                      "menu tag -1 out of range (0 actions)"}));
  EXPECT_EQ(host_->beeps, 2);
}

}  // namespace
}  // namespace nimbra::extension
