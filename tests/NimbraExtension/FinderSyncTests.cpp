#include <gtest/gtest.h>

#include "ExtensionTesting.h"
#include "FakeContentTypes.h"
#include "FakeDefaultsSuite.h"
#include "FakeWorkspace.h"
#include "nimbra/JsonCoding.h"
#include "nimbra/extension/FinderSync.h"

namespace nimbra::extension {
namespace {

using namespace std::chrono_literals;

struct TitlesHost {
  using Menu = std::vector<std::string>;
  std::vector<MenuAction> bound;  // as a host binds each item to its action
  Menu makeMenu() { return {}; }
  void addSeparator(Menu& m) { m.push_back("-"); }
  void addAction(Menu& m, const MenuNode::Action& a, long) {
    m.push_back(a.title);
    bound.push_back(a.action);
  }
  void addSubmenu(Menu& m, const MenuNode::Submenu& s, Menu child) {
    m.push_back(s.title);
    for (auto& c : child) m.push_back("  " + c);
  }
};

class FinderSyncTest : public ::testing::Test, protected testing::FakeServices {
 protected:
  // The caches refresh in the background of the test's scheduler, on the test's clock.
  ExtensionEnvironment environment() {
    const LookupOptions options{60s, [this] { return LookupClock::TimePoint(std::chrono::seconds(clock_)); },
                                [s = scheduler](std::function<void()> work) { s->inBackground(std::move(work)); }};
    ExtensionEnvironment env;
    env.strings = std::make_shared<StringTable>(StringTable::fromEntries({{"menu.new", "New"}}));
    env.contentTypes = std::make_shared<testing::FakeContentTypes>();
    env.locator = std::make_shared<CachingAppLocator>(locator_, options);
    env.openers = std::make_shared<ContentTypeOpeners>(env.contentTypes, workspace_, options);
    env.templateNames = {"blank.docx"};
    return env;
  }
  FinderSync withStore() { return FinderSync(SettingsStore::open(suite_), environment(), services()); }

  std::shared_ptr<testing::FakeDefaultsSuite> suite_ = std::make_shared<testing::FakeDefaultsSuite>();
  std::shared_ptr<testing::FakeAppLocator> locator_ = std::make_shared<testing::FakeAppLocator>();
  std::shared_ptr<testing::FakeWorkspace> workspace_ = std::make_shared<testing::FakeWorkspace>();
  long clock_ = 0;
  TitlesHost host_;
};

TEST(SelectionIsFoldersOnly, NeedsReadableDirectoriesThatAreNotPackages) {
  EXPECT_TRUE(selectionIsFoldersOnly({}));
  const std::vector folders = {SelectedItem::known("/a", true), SelectedItem{"/b", true, std::nullopt}};
  EXPECT_TRUE(selectionIsFoldersOnly(folders));
  const std::vector withFile = {SelectedItem::known("/a", true), SelectedItem::known("/f.txt", false)};
  EXPECT_FALSE(selectionIsFoldersOnly(withFile));
  const std::vector withApp = {SelectedItem::known("/Tool.app", true)};
  EXPECT_FALSE(selectionIsFoldersOnly(withApp));
  const std::vector unreadable = {SelectedItem::known("/gone", std::nullopt)};
  EXPECT_FALSE(selectionIsFoldersOnly(unreadable));
}

TEST_F(FinderSyncTest, WithoutStoreEveryKindIsTheFinishSetupLeaf) {
  FinderSync sync(std::nullopt, environment(), services());
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

  // A suite too busy to answer: the last settings read, not the defaults.
  suite_->setValue(settingsKey::showUnopenableTypes, true);
  suite_->unreadable = true;
  EXPECT_EQ(sync.menu(MenuKind::contextualMenuForContainer, {}, host_)->front(), "item.folder.label");
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
  sync.warmUp();
  scheduler->runAll();
  const std::vector folder = {SelectedItem::known("/home/u/src", true)};
  const std::vector file = {SelectedItem::known("/home/u/a.txt", false)};
  EXPECT_EQ(sync.menuNodes(MenuKind::contextualMenuForItems, folder).size(), 2u);
  EXPECT_EQ(sync.menuNodes(MenuKind::contextualMenuForItems, file).size(), 1u);
}

TEST_F(FinderSyncTest, MenusNeverWaitForThePlatformAndTheWarmUpFillsTheCaches) {
  locator_->installed["dev.zed.Zed"] = AppLocation{"/apps/zed.desktop", "Zed"};
  auto sync = withStore();
  // Nothing known yet: the menu goes without Open with while the lookups run in the background.
  EXPECT_EQ(sync.menuNodes(MenuKind::contextualMenuForSidebar, {}).size(), 0u);
  EXPECT_TRUE(locator_->asked().empty());
  sync.warmUp();
  scheduler->runAll();
  const auto asked = locator_->asked().size();
  EXPECT_EQ(asked, 16u);  // each default app once, however many requests asked
  EXPECT_EQ(sync.menuNodes(MenuKind::contextualMenuForSidebar, {}).size(), 1u);

  // A minute later the answers are stale: served as they are, refreshed behind the menu's back.
  clock_ = 61;
  locator_->installed.clear();
  EXPECT_EQ(sync.menuNodes(MenuKind::contextualMenuForSidebar, {}).size(), 1u);
  EXPECT_EQ(locator_->asked().size(), asked);
  scheduler->runAll();
  EXPECT_EQ(sync.menuNodes(MenuKind::contextualMenuForSidebar, {}).size(), 0u);
}

TEST_F(FinderSyncTest, APickCarriesItsActionWhateverMenuCameLater) {
  auto sync = withStore();
  TitlesHost container;
  sync.menu(MenuKind::contextualMenuForContainer, {}, container);
  sync.menu(MenuKind::contextualMenuForItems, {}, host_);
  sync.perform(container.bound.at(0), home.path(), {});
  scheduler->runAll();
  EXPECT_EQ(log->infos().at(1), "perform create(folder)");
  EXPECT_TRUE(std::filesystem::is_directory(home / "item.folder.name"));
}

TEST_F(FinderSyncTest, PicksOutOfRangeAreLoggedAndBeepAndTheObjectMayGoFirst) {
  {
    auto sync = withStore();
    EXPECT_EQ(log->infos(), std::vector<std::string>{"FinderSync init"});
    sync.picked(0, home.path(), {});
    sync.picked(-1, home.path(), {});
  }
  EXPECT_TRUE(log->errors().empty());  // nothing happens before the next turn of the main loop
  scheduler->runAll();
  EXPECT_EQ(log->errors(), (std::vector<std::string>{"menu tag 0 out of range (0 actions)",
                                                     "menu tag -1 out of range (0 actions)"}));
  EXPECT_EQ(host->beeps, 2);
  auto incomplete = services();
  incomplete.scheduler = nullptr;
  EXPECT_THROW(FinderSync(std::nullopt, environment(), incomplete), std::invalid_argument);
}

}  // namespace
}  // namespace nimbra::extension
