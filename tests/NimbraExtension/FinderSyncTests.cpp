#include <gtest/gtest.h>

#include "ExtensionTesting.h"
#include "FakeContentTypes.h"
#include "FakeDefaultsSuite.h"
#include "nimbra/CachingContentTypes.h"
#include "nimbra/extension/FinderSync.h"
#include "nimbra/extension/MenuRendering.h"
#include "nimbra/platform/FileOperations.h"

namespace nimbra::extension {
namespace {

using Kind = MenuKind;

// The rendered menu on one line: "Title " a leaf, "Title[ children ] " a submenu.
struct TitlesHost {
  using Menu = std::string;
  Menu makeMenu() { return {}; }
  void addSeparator(Menu& m) { m += "- "; }
  void addAction(Menu& m, const MenuNode::Action& a, long) { m += a.title + " "; }
  void addSubmenu(Menu& m, const MenuNode::Submenu& s, Menu child) { m += s.title + "[ " + child + "] "; }
};

class FinderSyncTest : public ::testing::Test, protected testing::FakeServices {
 protected:
  // The caches refresh in the background of the test's scheduler.
  ExtensionEnvironment environment() {
    const LookupOptions options{std::chrono::seconds(60), LookupClock::system(),
                                [s = scheduler](std::function<void()> work) { s->inBackground(std::move(work)); }};
    ExtensionEnvironment env;
    env.strings = std::make_shared<StringTable>(StringTable::fromEntries({}));
    // Wired as in the system: the openers look types up themselves, beside the menu's cache.
    const auto types = std::make_shared<testing::FakeContentTypes>();
    env.contentTypes = std::make_shared<CachingContentTypes>(types, options);
    env.locator = std::make_shared<CachingAppLocator>(std::make_shared<WorkspaceAppLocator>(workspace_), options);
    env.openers = std::make_shared<ContentTypeOpeners>(types, workspace_, options);
    env.templateNames = {"blank.docx", "blank.xlsx"};
    return env;
  }
  FinderSync withStore() { return FinderSync(SettingsStore(suite_), environment(), services()); }
  // The rendered menu, its leaves' actions in actions_.
  std::string titles(FinderSync& sync, Kind kind) {
    const auto nodes = sync.menuNodes(kind, {});
    actions_.clear();
    return nodes.empty() ? "no menu" : render(host_, std::span<const MenuNode>(nodes), actions_);
  }

  std::shared_ptr<testing::FakeDefaultsSuite> suite_ = std::make_shared<testing::FakeDefaultsSuite>();
  std::shared_ptr<testing::FakeWorkspace> workspace_ = std::make_shared<testing::FakeWorkspace>();
  TitlesHost host_;
  std::vector<MenuAction> actions_;
};

TEST(SelectedItem, AFolderIsOneOrALinkToOneAndAPackageIsAFolderNamedLikeADocument) {
  testing::TemporaryFolder folder;
  std::filesystem::create_directories(folder / "Tool.APP");
  std::filesystem::create_directories(folder / "Photos");
  testing::writeText(folder / "notes.app", "");
  std::filesystem::create_directory_symlink(folder / "Photos", folder / "to photos");
  std::filesystem::create_symlink(folder / "notes.app", folder / "to notes");
  const auto& files = *platform::systemFileOperations();
  const std::tuple<const char*, bool, bool> cases[] = {
      {"Photos", true, true}, {"to photos", true, true}, {"Tool.APP", true, false},
      {"notes.app", false, false}, {"to notes", false, false}, {"gone", false, false},
  };
  for (const auto& [name, directory, plainFolder] : cases) {
    const auto item = SelectedItem::lookUp(folder / name, files);
    EXPECT_EQ(item.isDirectory, directory) << name;
    EXPECT_EQ(item.isPlainFolder(), plainFolder) << name;
  }
  // Only plain folders, readable ones: an item a host could not tell about is none.
  EXPECT_TRUE(selectionIsFoldersOnly({}));
  EXPECT_TRUE(selectionIsFoldersOnly(std::vector{SelectedItem::known("/a", true), SelectedItem{"/b", true, std::nullopt}}));
  EXPECT_FALSE(selectionIsFoldersOnly(std::vector{SelectedItem::known("/a", true), SelectedItem::known("/gone", std::nullopt)}));
  EXPECT_FALSE(selectionIsFoldersOnly(std::vector{SelectedItem::known("/a/Tool.app", true)}));
}

TEST_F(FinderSyncTest, WithoutAStoreEveryKindIsTheFinishSetupLeaf) {
  FinderSync sync(std::nullopt, environment(), services());
  for (int kind : {0, 1, 2, 3, 42}) EXPECT_EQ(titles(sync, static_cast<Kind>(kind)), "menu.finishSetup ") << kind;
  EXPECT_EQ(actions_, std::vector<MenuAction>{MenuAction::FinishSetup{}});
}

TEST_F(FinderSyncTest, SettingsAreReadAgainOnlyAfterAWriteAndABusySuiteKeepsTheLast) {
  auto sync = withStore();
  EXPECT_EQ(titles(sync, Kind::contextualMenuForContainer),
            "menu.new[ item.folder.label item.alias.label item.rtf.label item.txt.label ] ");
  const int reads = suite_->reads;
  titles(sync, Kind::contextualMenuForContainer);
  titles(sync, Kind::contextualMenuForItems);
  EXPECT_EQ(suite_->reads, reads);

  // Another process's writes are seen on the very next request; only two templates are in the folder.
  suite_->setValue(settingsKey::groupNewItems, false);
  suite_->setValue(settingsKey::showUnopenableTypes, true);
  const std::string shown = "item.folder.label item.alias.label item.word.label item.excel.label item.rtf.label item.txt.label ";
  EXPECT_EQ(titles(sync, Kind::contextualMenuForContainer), shown);
  suite_->setValue(settingsKey::groupNewItems, true);
  suite_->unreadable = true;
  EXPECT_EQ(titles(sync, Kind::contextualMenuForContainer), shown);
}

TEST_F(FinderSyncTest, TheWarmUpFillsTheCachesInTheBackground) {
  workspace_->installed["dev.zed.Zed"] = AppLocation{"/apps/zed.desktop", "Zed"};
  workspace_->openedTypes = {"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet"};
  auto sync = withStore();
  sync.warmUp();
  scheduler->runAll();
  EXPECT_EQ(titles(sync, Kind::contextualMenuForContainer),
            "menu.new[ item.folder.label item.alias.label item.excel.label item.rtf.label item.txt.label ] menu.openWith[ Zed ] ");
}

}  // namespace
}  // namespace nimbra::extension
