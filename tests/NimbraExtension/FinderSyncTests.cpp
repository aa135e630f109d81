#include <gtest/gtest.h>

#include "FakeAppLocator.h"
#include "FakeContentTypes.h"
#include "FakeDefaultsSuite.h"
#include "FakeWorkspace.h"
#include "nimbra/JsonCoding.h"
#include "nimbra/StringTable.h"
#include "nimbra/extension/FinderSync.h"

namespace nimbra::extension {
namespace {

struct TitlesHost {
  using Menu = std::vector<std::string>;
  Menu makeMenu() { return {}; }
  void addSeparator(Menu& m) { m.push_back("-"); }
  void addAction(Menu& m, const MenuNode::Action& a, long) { m.push_back(a.title); }
  void addSubmenu(Menu& m, const MenuNode::Submenu& s, Menu child) {
    m.push_back(s.title);
    for (auto& c : child) m.push_back("  " + c);
  }
};

class FinderSyncTest : public ::testing::Test {
 protected:
  ExtensionEnvironment environment() {
    ExtensionEnvironment env;
    env.strings = std::make_shared<StringTable>(StringTable::fromEntries({{"menu.new", "New"}}));
    env.contentTypes = std::make_shared<testing::FakeContentTypes>();
    env.locator = locator_;
    env.openers = std::make_shared<ContentTypeOpeners>(env.contentTypes, workspace_,
                                                       std::make_shared<ContentTypeOpeners::Cache>());
    env.templateNames = {"blank.docx"};
    return env;
  }
  FinderSync withStore() { return FinderSync(SettingsStore::open(suite_), environment()); }

  std::shared_ptr<testing::FakeDefaultsSuite> suite_ = std::make_shared<testing::FakeDefaultsSuite>();
  std::shared_ptr<testing::FakeAppLocator> locator_ = std::make_shared<testing::FakeAppLocator>();
  std::shared_ptr<testing::FakeWorkspace> workspace_ = std::make_shared<testing::FakeWorkspace>();
  TitlesHost host_;
};

TEST(SelectionIsFoldersOnly, NeedsReadableDirectoriesThatAreNotPackages) {
  using Item = SelectedItem;
  EXPECT_TRUE(selectionIsFoldersOnly({}));
  const std::vector<Item> folders = {{"/a", true, false}, {"/b", true, std::nullopt}};
  EXPECT_TRUE(selectionIsFoldersOnly(folders));
  const std::vector<Item> withFile = {{"/a", true, false}, {"/f.txt", false, false}};
  EXPECT_FALSE(selectionIsFoldersOnly(withFile));
  const std::vector<Item> withApp = {{"/Tool.app", true, true}};
  EXPECT_FALSE(selectionIsFoldersOnly(withApp));
  const std::vector<Item> unreadable = {{"/gone", std::nullopt, false}};
  EXPECT_FALSE(selectionIsFoldersOnly(unreadable));
}

TEST_F(FinderSyncTest, WithoutStoreEveryKindIsTheFinishSetupLeaf) {
  FinderSync sync(std::nullopt, environment());
  for (auto kind : {MenuKind::contextualMenuForItems, MenuKind::contextualMenuForContainer,
                    MenuKind::contextualMenuForSidebar, MenuKind::toolbarItemMenu}) {
    const auto menu = sync.menu(kind, {}, host_);
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->size(), 1u);
    ASSERT_EQ(sync.actions().size(), 1u);
    EXPECT_EQ(sync.actions()[0], MenuAction(MenuAction::FinishSetup{}));
  }
}

TEST_F(FinderSyncTest, AnEmptyTreeGivesNoMenuAndKeepsTheLastActions) {
  auto sync = withStore();
  ASSERT_TRUE(sync.menu(MenuKind::contextualMenuForContainer, {}, host_));
  const auto kept = sync.actions();
  EXPECT_EQ(kept.size(), 4u);  // folder, alias, rtf, txt: no app opens the office documents
  EXPECT_FALSE(sync.menu(MenuKind::contextualMenuForSidebar, {}, host_));
  EXPECT_EQ(sync.actions(), kept);
}

TEST_F(FinderSyncTest, ReadsTheSuiteAgainOnlyAfterSomebodyWroteIt) {
  auto sync = withStore();
  sync.menuNodes(MenuKind::contextualMenuForContainer, {});
  const int readsAfterFirst = suite_->reads;
  sync.menuNodes(MenuKind::contextualMenuForContainer, {});
  sync.menuNodes(MenuKind::contextualMenuForItems, {});
  EXPECT_EQ(suite_->reads, readsAfterFirst);

  // The other process switches grouping off and Send to zip off: seen on the very next request.
  suite_->setValue(settingsKey::groupNewItems, false);
  EXPECT_EQ(*sync.menu(MenuKind::contextualMenuForContainer, {}, host_),
            (std::vector<std::string>{"item.folder.label", "item.alias.label", "item.rtf.label", "item.txt.label"}));
  suite_->setValue(settingsKey::sendTo, platform::DefaultsData{encodeSendTo({{SendToAction::zip, false}})});
  EXPECT_EQ(*sync.menu(MenuKind::contextualMenuForItems, {}, host_),
            (std::vector<std::string>{"menu.sendTo", "  sendTo.desktopCopy", "  sendTo.desktop", "  sendTo.documents",
                                      "  sendTo.otherFolder"}));
}

TEST_F(FinderSyncTest, TemplatesComeFromTheFolderListing) {
  std::vector<NewItem> items = {NewItem::builtIns()[2], NewItem::builtIns()[3]};  // docx, xlsx
  SettingsStore(suite_).save(items);
  suite_->setValue(settingsKey::showUnopenableTypes, true);
  auto sync = withStore();
  const auto nodes = sync.menuNodes(MenuKind::contextualMenuForContainer, {});
  const auto& leaves = nodes.at(0).as<MenuNode::Submenu>()->children;
  ASSERT_EQ(leaves.size(), 1u);  // blank.xlsx is not in the folder
  EXPECT_EQ(leaves[0].as<MenuNode::Action>()->action, MenuAction(MenuAction::Create{"word"}));
}

TEST_F(FinderSyncTest, OpenWithNeedsAFolderSelectionInTheItemsMenu) {
  locator_->installed["dev.zed.Zed"] = AppLocation{"/apps/zed.desktop", "Zed"};
  auto sync = withStore();
  const std::vector<SelectedItem> folder = {{"/home/u/src", true, false}};
  const std::vector<SelectedItem> file = {{"/home/u/a.txt", false, false}};
  EXPECT_EQ(sync.menuNodes(MenuKind::contextualMenuForItems, folder).size(), 2u);
  EXPECT_EQ(sync.menuNodes(MenuKind::contextualMenuForItems, file).size(), 1u);
}

TEST_F(FinderSyncTest, WarmUpFillsCachesWithoutTouchingTheShownMenu) {
  locator_->installed["dev.zed.Zed"] = AppLocation{"/apps/zed.desktop", "Zed"};
  {
    auto sync = withStore();
    ASSERT_TRUE(sync.menu(MenuKind::toolbarItemMenu, {}, host_));
    const auto shown = sync.actions();
    const auto askedBefore = locator_->asked().size();
    sync.warmUp();
    sync.warmUp();  // a second call waits for the first
    // Both warm-up menus ask the locator for all sixteen default apps.
    while (locator_->asked().size() < askedBefore + 32) std::this_thread::yield();
    EXPECT_EQ(sync.actions(), shown);
  }
  SUCCEED();  // and the destructor joined the thread
}

}  // namespace
}  // namespace nimbra::extension
