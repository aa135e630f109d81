#include <gtest/gtest.h>

#include <sys/stat.h>

#include "ExtensionTesting.h"
#include "FakeDefaultsSuite.h"
#include "nimbra/HandOff.h"

namespace nimbra::extension {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Create = MenuAction::Create;
using SendTo = MenuAction::SendTo;
using OpenWith = MenuAction::OpenWith;

class ActionDispatcherTest : public ::testing::Test, protected testing::FakeServices {
 protected:
  ActionDispatcherTest() {
    apps->installed["dev.zed.Zed"] = AppLocation{"/apps/zed.desktop", "Zed"};
    fs::create_directories(home / "Desktop");
  }

  // Picks the action and runs everything it started; the dispatcher is gone by then.
  void perform(const MenuAction& action, std::optional<fs::path> target, std::vector<fs::path> selection = {},
               bool withStore = true) {
    ActionDispatcher(services()).perform(action, std::move(target), std::move(selection),
                                         withStore ? std::optional(store_) : std::nullopt);
    scheduler->runAll();
  }

  std::shared_ptr<testing::FakeDefaultsSuite> suite_ = std::make_shared<testing::FakeDefaultsSuite>();
  SettingsStore store_{suite_};
  testing::TemporaryFolder folder_;
};

TEST_F(ActionDispatcherTest, AMissingServiceIsRefusedAtOnce) {
  auto incomplete = services();
  incomplete.host = nullptr;
  EXPECT_THROW(ActionDispatcher{incomplete}, std::invalid_argument);
}

TEST_F(ActionDispatcherTest, NothingTouchesTheDiskOrTheBusOnTheMainLoop) {
  suite_->reads = 0;
  ActionDispatcher(services()).perform(Create{"txt"}, folder_.path(), {}, store_);
  scheduler->runMain();
  EXPECT_TRUE(fs::is_empty(folder_.path()));
  EXPECT_EQ(suite_->reads, 0);
  EXPECT_EQ(scheduler->runBackground(), 1);
  EXPECT_TRUE(fs::exists(folder_ / "New Text Document.txt"));
  // Back on the main loop only for the host: reveal, then rename.
  EXPECT_TRUE(fileManager->revealed.empty());
  scheduler->runMain();
  EXPECT_EQ(fileManager->revealed.size(), 1u);
  scheduler->runAll();  // the rename checks hold the services: let them end
}

TEST_F(ActionDispatcherTest, RenameIsPressedOnlyWithTheNewItemAloneSelectedInTheFrontmostFileManager) {
  host->frontmost = true;
  perform(Create{"txt"}, folder_.path());
  EXPECT_EQ(scheduler->delays, std::vector<std::chrono::milliseconds>(12, 100ms));
  EXPECT_EQ(log->infos().back(), "rename: Files never selected just the new item");

  ActionDispatcher(services()).perform(Create{"txt"}, folder_.path(), {}, store_);
  scheduler->runMain();
  scheduler->runBackground();
  scheduler->runMain();
  const auto created = folder_ / "New Text Document 2.txt";
  host->selection = {created, folder_ / "other"};  // not alone
  ASSERT_TRUE(scheduler->fireNextTimer());
  host->selection = {folder_ / "." / "New Text Document 2.txt"};
  host->frontmost = false;
  ASSERT_TRUE(scheduler->fireNextTimer());
  host->frontmost = true;
  ASSERT_TRUE(scheduler->fireNextTimer());
  EXPECT_EQ(host->renames, 1);
  EXPECT_EQ(scheduler->pendingTimers(), 0u);
}

TEST_F(ActionDispatcherTest, WithoutPermissionToPressKeysItAsksOnceAndMovesOn) {
  host->permitted = false;
  perform(Create{"folder"}, folder_.path());
  EXPECT_EQ(host->permissionRequests, 1);
  EXPECT_TRUE(scheduler->delays.empty());
  EXPECT_EQ(log->infos().back(), "rename: no permission to post events yet");
}

TEST_F(ActionDispatcherTest, NewItemsGoToTheFolderTheUserSees) {
  suite_->setValue(settingsKey::renameNewItems, false);
  fs::create_directories(folder_ / "Tool.app");
  fs::create_directories(folder_ / "real");
  fs::create_directory_symlink(folder_ / "real", folder_ / "link");
  testing::writeText(folder_ / "notes.txt", "");
  perform(Create{"folder"}, std::nullopt, {folder_ / "notes.txt"});
  perform(Create{"folder"}, std::nullopt, {folder_ / "Tool.app"});
  perform(Create{"folder"}, folder_ / "Tool.app");
  perform(Create{"folder"}, folder_ / "link");
  perform(Create{"folder"}, std::nullopt, {folder_ / "link"});
  EXPECT_EQ(fileManager->revealed,
            (std::vector<fs::path>{folder_ / "item.folder.name", folder_ / "item.folder.name 2", folder_ / "item.folder.name 3",
                                   folder_ / "link/item.folder.name", folder_ / "link/item.folder.name 2"}));
  EXPECT_TRUE(fs::is_directory(folder_ / "real/item.folder.name 2"));
  EXPECT_TRUE(scheduler->delays.empty());  // rename is switched off
}

TEST_F(ActionDispatcherTest, OpenWithOpensEachItemsFolderOnceInFirstSeenOrder) {
  fs::create_directories(folder_ / "src");
  fs::create_directories(folder_ / "other");
  fs::create_directory_symlink(folder_ / "src", folder_ / "link");
  testing::writeText(folder_ / "a.txt", "");
  testing::writeText(folder_ / "b.txt", "");
  // A link to a file is in its own folder, not in its target's.
  fs::create_symlink(folder_ / "a.txt", folder_ / "other/a link");
  perform(OpenWith{"dev.zed.Zed"}, std::nullopt,
          {folder_ / "a.txt", folder_ / "src", folder_ / "b.txt", folder_.path() / "", folder_ / "src/../src", folder_ / "link",
           folder_ / "other/a link"});
  const std::vector<fs::path> folders = {folder_.path(), folder_ / "src", folder_ / "link", folder_ / "other"};
  EXPECT_EQ(launcher->opened, (std::vector<testing::FakeLauncher::Opened>{{folders, apps->installed["dev.zed.Zed"]}}));
}

TEST_F(ActionDispatcherTest, FailuresAreLoggedWithTheirMessageAndABeep) {
  testing::writeText(folder_ / "a.txt", "");
  perform(Create{"txt"}, folder_.path(), {}, /*withStore=*/false);
  perform(Create{"nonesuch"}, folder_.path());
  perform(Create{"txt"}, std::nullopt);
  perform(SendTo{SendToAction::zip}, std::nullopt);
  perform(SendTo{SendToAction::otherFolder}, folder_.path(), {}, /*withStore=*/false);
  perform(OpenWith{"com.example.Missing"}, folder_.path());
  perform(OpenWith{"dev.zed.Zed"}, std::nullopt);
  launcher->openError = ENOENT;
  perform(OpenWith{"dev.zed.Zed"}, folder_.path());
  perform(SendTo{SendToAction::documents}, std::nullopt, {folder_ / "a.txt"});  // no Documents folder
  store_.save(std::vector<NewItem>{{"broken", NewItemKind::Bundled{"blank.nothing"}, "docx", std::nullopt, std::nullopt, true, false}});
  perform(Create{"broken"}, folder_.path());

  auto errors = log->errors();
  ASSERT_EQ(errors.size(), 10u);
  // The file system's own words vary: only the context before them is compared.
  for (const auto i : {8, 9}) errors[i].resize(errors[i].find(": ") + 1);
  EXPECT_EQ(errors, (std::vector<std::string>{"no folder or item txt", "no folder or item nonesuch", "no folder or item txt",
                                              "send to: nothing selected", "send to folder: no settings store",
                                              "open with com.example.Missing: app or items missing",
                                              "open with dev.zed.Zed: app or items missing",
                                              "open with dev.zed.Zed: launch /apps/zed.desktop: No such file or directory",
                                              "send to documents:", "create broken:"}));
  EXPECT_EQ(host->beeps, 10);
  EXPECT_TRUE(notifications->posted.empty());
}

TEST_F(ActionDispatcherTest, HandOffsStoreThePendingValueThenPostThenOpenTheApp) {
  std::vector<std::string> order;
  notifications->onPost = [&](std::string_view name) {
    const bool stored = name == handOff::transfer    ? store_.pendingTransferItems().size() == 2
                        : name == handOff::makeAlias ? store_.pendingAliasFolder() == folder_.path()
                                                     : store_.boolForKey(settingsKey::pendingOpenPreferences);
    order.push_back(std::string(name) + (stored ? "" : " before its value"));
  };
  launcher->onOpenCompanionApp = [&] { order.push_back("open app"); };
  perform(SendTo{SendToAction::otherFolder}, folder_.path(), {folder_ / "a", folder_ / "b"});
  perform(Create{"alias"}, folder_.path());
  perform(MenuAction::Customize{}, std::nullopt);
  perform(MenuAction::FinishSetup{}, std::nullopt, {}, /*withStore=*/false);
  EXPECT_EQ(order, (std::vector<std::string>{"ai.corvane.nimbra.transfer", "open app", "ai.corvane.nimbra.makeAlias", "open app",
                                             "ai.corvane.nimbra.openPreferences", "open app",
                                             "ai.corvane.nimbra.openPreferences", "open app"}));

  // A pending value the store refuses ends the hand-off: the app would find nothing.
  suite_->readOnly = true;
  perform(Create{"alias"}, folder_.path());
  perform(SendTo{SendToAction::otherFolder}, folder_.path());
  perform(MenuAction::Customize{}, std::nullopt);
  EXPECT_EQ(log->errors(), (std::vector<std::string>{"alias: cannot store \"pendingAliasFolder\": Read-only file system",
                                                     "send to folder: cannot store \"pendingTransferItems\": Read-only file system",
                                                     "open preferences: cannot store \"pendingOpenPreferences\": Read-only file system"}));
  EXPECT_EQ(launcher->companionOpens, 4);
  EXPECT_EQ(host->beeps, 3);

  // The app is launched on the main loop, where the host makes its launch context.
  suite_->readOnly = false;
  ActionDispatcher(services()).perform(MenuAction::Customize{}, std::nullopt, {}, store_);
  scheduler->runBackground();
  EXPECT_EQ(notifications->posted.size(), 5u);
  EXPECT_EQ(launcher->companionOpens, 4);
  scheduler->runMain();
  EXPECT_EQ(launcher->companionOpens, 5);
}

TEST_F(ActionDispatcherTest, AnArchiveIsRevealedAndWhatItCannotHoldIsLogged) {
  fs::create_directories(folder_ / "Photos");
  testing::writeText(folder_ / "Photos/a.jpg", "jpeg");
  ASSERT_EQ(::mkfifo((folder_ / "Photos/pipe").c_str(), 0600), 0);
  perform(SendTo{SendToAction::zip}, std::nullopt, {folder_ / "Photos"});
  EXPECT_EQ(fileManager->revealed, std::vector<fs::path>{folder_ / "Photos.zip"});
  EXPECT_EQ(log->infos().back(), "send to zip: left out what a zip archive cannot hold: " + (folder_ / "Photos/pipe").string());
  EXPECT_TRUE(log->errors().empty());
}

}  // namespace
}  // namespace nimbra::extension
