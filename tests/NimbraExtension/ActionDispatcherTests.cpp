#include <gtest/gtest.h>

#include <sys/stat.h>

#include "ExtensionTesting.h"
#include "FakeDefaultsSuite.h"
#include "nimbra/HandOff.h"

namespace nimbra::extension {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

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
  ActionDispatcher(services()).perform(MenuAction::Create{"txt"}, folder_.path(), {}, store_);
  scheduler->runMain();
  EXPECT_TRUE(fs::is_empty(folder_.path()));
  EXPECT_EQ(suite_->reads, 0);
  EXPECT_EQ(scheduler->runBackground(), 1);
  EXPECT_TRUE(fs::exists(folder_ / "New Text Document.txt"));
  // Back on the main loop only for the host: reveal, then rename.
  EXPECT_TRUE(fileManager->revealed().empty());
  scheduler->runMain();
  EXPECT_EQ(fileManager->revealed().size(), 1u);
}

TEST_F(ActionDispatcherTest, CreatesRevealsRenamesOnceSelectedAndTellsTheApp) {
  host->frontmost = true;
  perform(MenuAction::Create{"txt"}, folder_.path());
  const auto created = folder_ / "New Text Document.txt";
  EXPECT_TRUE(fs::exists(created));
  EXPECT_EQ(fileManager->revealed(), std::vector<fs::path>{created});
  EXPECT_EQ(notifications->posted(), std::vector<std::string>{std::string(handOff::menuUsed)});
  // The file manager never selected it: twelve checks 100 ms apart, then give up.
  EXPECT_EQ(scheduler->delays, std::vector<std::chrono::milliseconds>(12, 100ms));
  EXPECT_EQ(host->renames, 0);
  EXPECT_EQ(log->infos().back(), "rename: Finder never selected just the new item");
  EXPECT_EQ(log->infos().front(), "perform create(txt)");
  EXPECT_EQ(host->beeps, 0);
}

TEST_F(ActionDispatcherTest, PressesRenameOnTheFirstCheckWithExactlyTheNewItemSelected) {
  host->frontmost = true;
  ActionDispatcher(services()).perform(MenuAction::Create{"txt"}, folder_.path(), {}, store_);
  scheduler->runMain();
  scheduler->runBackground();
  scheduler->runMain();
  const auto created = folder_ / "New Text Document.txt";
  host->selection = {folder_ / "other", created};
  ASSERT_TRUE(scheduler->fireNextTimer());
  ASSERT_TRUE(scheduler->fireNextTimer());
  host->selection = {folder_ / "." / "New Text Document.txt"};
  host->frontmost = false;
  ASSERT_TRUE(scheduler->fireNextTimer());
  host->frontmost = true;
  ASSERT_TRUE(scheduler->fireNextTimer());
  EXPECT_EQ(host->renames, 1);
  EXPECT_EQ(scheduler->now(), 400ms);
  EXPECT_EQ(scheduler->pendingTimers(), 0u);
}

TEST_F(ActionDispatcherTest, RenameWithoutPermissionAsksAndMovesOn) {
  host->permitted = false;
  perform(MenuAction::Create{"folder"}, folder_.path());
  EXPECT_EQ(host->permissionRequests, 1);
  EXPECT_TRUE(scheduler->delays.empty());
  EXPECT_EQ(log->infos().back(), "rename: no permission to post events yet");
  EXPECT_EQ(notifications->posted().size(), 1u);

  // Rename switched off: no attempts at all, and still one notification.
  suite_->setValue(settingsKey::renameNewItems, false);
  host->permitted = true;
  perform(MenuAction::Create{"folder"}, folder_.path());
  EXPECT_TRUE(scheduler->delays.empty());
  EXPECT_EQ(notifications->posted().size(), 2u);
}

TEST_F(ActionDispatcherTest, NewItemsGoToTheTargetTheSelectedFilesFolderOrAPackagesParent) {
  suite_->setValue(settingsKey::renameNewItems, false);
  fs::create_directories(folder_ / "Tool.app");
  testing::writeText(folder_ / "notes.txt", "");
  perform(MenuAction::Create{"folder"}, std::nullopt, {folder_ / "notes.txt"});
  perform(MenuAction::Create{"folder"}, std::nullopt, {folder_ / "Tool.app"});
  perform(MenuAction::Create{"folder"}, folder_ / "Tool.app");
  EXPECT_EQ(fileManager->revealed(),
            (std::vector<fs::path>{folder_ / "item.folder.name", folder_ / "item.folder.name 2", folder_ / "item.folder.name 3"}));
}

TEST_F(ActionDispatcherTest, AFolderReachedThroughALinkIsTheFolderTheUserSees) {
  suite_->setValue(settingsKey::renameNewItems, false);
  fs::create_directories(folder_ / "real");
  fs::create_directory_symlink(folder_ / "real", folder_ / "link");
  testing::writeText(folder_ / "notes.txt", "");
  fs::create_symlink(folder_ / "notes.txt", folder_ / "notes link");
  perform(MenuAction::Create{"folder"}, folder_ / "link");
  perform(MenuAction::Create{"folder"}, std::nullopt, {folder_ / "link"});
  EXPECT_EQ(fileManager->revealed(), (std::vector<fs::path>{folder_ / "link/item.folder.name", folder_ / "link/item.folder.name 2"}));
  EXPECT_TRUE(fs::is_directory(folder_ / "real/item.folder.name 2"));

  // A link to a file is in its folder, as the file is.
  perform(MenuAction::OpenWith{"dev.zed.Zed"}, std::nullopt, {folder_ / "link", folder_ / "notes link"});
  ASSERT_EQ(launcher->opened().size(), 1u);
  EXPECT_EQ(launcher->opened()[0].folders, (std::vector<fs::path>{folder_ / "link", folder_.path()}));
}

TEST_F(ActionDispatcherTest, FailuresAreLoggedWithTheirMessageAndABeep) {
  perform(MenuAction::Create{"txt"}, folder_.path(), {}, /*withStore=*/false);
  perform(MenuAction::Create{"nonesuch"}, folder_.path());
  perform(MenuAction::Create{"txt"}, std::nullopt);
  perform(MenuAction::SendTo{SendToAction::zip}, std::nullopt);
  perform(MenuAction::SendTo{SendToAction::otherFolder}, folder_.path(), {}, false);
  perform(MenuAction::OpenWith{"com.example.Missing"}, folder_.path());
  perform(MenuAction::OpenWith{"dev.zed.Zed"}, std::nullopt);
  EXPECT_EQ(log->errors(), (std::vector<std::string>{"no folder or item txt", "no folder or item nonesuch",
                                                     "no folder or item txt", "send to: nothing selected",
                                                     "send to folder: no settings store",
                                                     "open with com.example.Missing: app or items missing",
                                                     "open with dev.zed.Zed: app or items missing"}));
  EXPECT_EQ(host->beeps, 7);
  EXPECT_TRUE(notifications->posted().empty());

  launcher->openError = "Failed to execute child process";
  perform(MenuAction::OpenWith{"dev.zed.Zed"}, folder_.path());
  EXPECT_EQ(log->errors().back(), "open with dev.zed.Zed: Failed to execute child process");

  const NewItem broken{"broken", NewItemKind::Bundled{"blank.nothing"}, "docx", std::nullopt, std::nullopt, true, false};
  store_.save(std::vector<NewItem>{broken});
  perform(MenuAction::Create{"broken"}, folder_.path());
  EXPECT_EQ(log->errors().back().rfind("create broken: ", 0), 0u) << log->errors().back();
  EXPECT_EQ(host->beeps, 9);
}

TEST_F(ActionDispatcherTest, HandOffsWriteThePendingValueThenPostThenOpenTheApp) {
  std::vector<std::string> order;
  notifications->onPost = [&](std::string_view name) {
    order.push_back("post " + std::string(name));
    if (name == handOff::transfer) {
      EXPECT_EQ(store_.pendingTransferItems().size(), 2u);
    } else if (name == handOff::makeAlias) {
      EXPECT_EQ(store_.pendingAliasFolder(), folder_.path());
    } else if (name == handOff::openPreferences) {
      EXPECT_TRUE(store_.boolForKey(settingsKey::pendingOpenPreferences));
    }
  };
  launcher->onOpenCompanionApp = [&] { order.push_back("open app"); };

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
  EXPECT_EQ(launcher->companionOpens(), 4);
  EXPECT_EQ(host->beeps, 0);

  // A pending value the store refuses ends the hand-off: the app would find nothing.
  suite_->readOnly = true;
  perform(MenuAction::Create{"alias"}, folder_.path());
  perform(MenuAction::SendTo{SendToAction::otherFolder}, folder_.path());
  EXPECT_EQ(log->errors(), (std::vector<std::string>{"alias: cannot store \"pendingAliasFolder\"",
                                                     "send to folder: cannot store \"pendingTransferItems\""}));
  EXPECT_EQ(launcher->companionOpens(), 4);
  EXPECT_EQ(host->beeps, 2);
}

TEST_F(ActionDispatcherTest, OpenWithOpensEachFolderOnceInFirstSeenOrder) {
  fs::create_directories(folder_ / "src");
  testing::writeText(folder_ / "a.txt", "");
  testing::writeText(folder_ / "b.txt", "");
  perform(MenuAction::OpenWith{"dev.zed.Zed"}, std::nullopt,
          {folder_ / "a.txt", folder_ / "src", folder_ / "b.txt", folder_.path() / "", folder_ / "src/../src"});
  ASSERT_EQ(launcher->opened().size(), 1u);
  EXPECT_EQ(launcher->opened()[0].folders, (std::vector<fs::path>{folder_.path(), folder_ / "src"}));
  EXPECT_EQ(launcher->opened()[0].app.name, "Zed");
}

TEST_F(ActionDispatcherTest, DesktopAliasesAreNumberedLinksToTheItems) {
  testing::writeText(folder_ / "report.pdf", "");
  perform(MenuAction::SendTo{SendToAction::desktop}, std::nullopt, {folder_ / "report.pdf"});
  perform(MenuAction::SendTo{SendToAction::desktop}, std::nullopt, {folder_ / "report.pdf"});
  EXPECT_EQ(fs::read_symlink(home / "Desktop/report.pdf alias"), folder_ / "report.pdf");
  EXPECT_EQ(fs::read_symlink(home / "Desktop/report.pdf alias 2"), folder_ / "report.pdf");
  EXPECT_TRUE(fileManager->revealed().empty());  // only archives are revealed

  // A missing Desktop fails the whole send with the file system's description.
  fs::remove_all(home / "Desktop");
  perform(MenuAction::SendTo{SendToAction::desktopCopy}, std::nullopt, {folder_ / "report.pdf"});
  EXPECT_EQ(log->errors().size(), 1u);
  EXPECT_EQ(log->errors()[0].rfind("send to desktopCopy: ", 0), 0u);
}

TEST_F(ActionDispatcherTest, AnArchiveIsRevealedAndWhatItCannotHoldIsLogged) {
  fs::create_directories(folder_ / "Photos");
  testing::writeText(folder_ / "Photos/a.jpg", "jpeg");
  ASSERT_EQ(::mkfifo((folder_ / "Photos/pipe").c_str(), 0600), 0);
  perform(MenuAction::SendTo{SendToAction::zip}, std::nullopt, {folder_ / "Photos"});
  EXPECT_EQ(fileManager->revealed(), std::vector<fs::path>{folder_ / "Photos.zip"});
  EXPECT_EQ(log->infos().back(), "send to zip: left out what a zip archive cannot hold: " + (folder_ / "Photos/pipe").string());
  EXPECT_TRUE(log->errors().empty());
}

}  // namespace
}  // namespace nimbra::extension
