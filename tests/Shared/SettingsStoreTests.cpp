#include "nimbra/SettingsStore.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "FakeDefaultsSuite.h"
#include "NewItemSamples.h"
#include "nimbra/JsonCoding.h"

namespace nimbra {
namespace {

using platform::DefaultsData;
using testing::FakeDefaultsSuite;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::customItem;
using testing::ids;

class SettingsStoreTest : public ::testing::Test {
 protected:
  std::shared_ptr<FakeDefaultsSuite> suite = std::make_shared<FakeDefaultsSuite>();

  SettingsStore openStore() {
    auto store = *SettingsStore::open(suite);
    suite->writes.clear();
    return store;
  }
  void storeData(std::string_view key, std::string json) { suite->stored.insert_or_assign(std::string(key), DefaultsData{std::move(json)}); }
};

std::vector<SendToEntry> entries(std::initializer_list<std::pair<SendToAction::Case, bool>> list) {
  std::vector<SendToEntry> result;
  for (const auto& [action, enabled] : list) result.push_back({action, enabled});
  return result;
}

TEST_F(SettingsStoreTest, AnEmptySuiteGivesTheDefaultsAndGetsOnlyTheSchemaMark) {
  EXPECT_FALSE(SettingsStore::open(nullptr));
  const auto store = *SettingsStore::open(suite);
  const auto items = store.newItems();
  EXPECT_EQ(items, NewItem::builtIns());
  EXPECT_EQ(std::count_if(items.begin(), items.end(), [](auto& i) { return i.enabled; }), 10);
  EXPECT_EQ(store.sendTo(), SendToEntry::defaults());
  EXPECT_EQ(store.openWith().size(), 16u);
  EXPECT_TRUE(store.boolForKey(settingsKey::groupNewItems));
  EXPECT_FALSE(store.boolForKey(settingsKey::showUnopenableTypes));
  EXPECT_TRUE(store.boolForKey(settingsKey::renameNewItems));
  EXPECT_FALSE(store.boolForKey(settingsKey::pendingOpenPreferences));
  EXPECT_EQ(suite->writtenKeys(), std::vector<std::string>{"schemaVersion"});
  EXPECT_EQ(suite->stored.at("schemaVersion"), platform::DefaultsValue(std::int64_t{1}));
}

TEST_F(SettingsStoreTest, AnExistingSchemaMarkIsLeftAsItIs) {
  suite->stored.emplace("schemaVersion", std::int64_t{7});
  SettingsStore::open(suite);
  EXPECT_THAT(suite->writes, IsEmpty());
  EXPECT_EQ(suite->stored.at("schemaVersion"), platform::DefaultsValue(std::int64_t{7}));
}

TEST_F(SettingsStoreTest, StoredSwitchesWinOverTheRegisteredDefaults) {
  auto store = openStore();
  store.setBool(settingsKey::groupNewItems, false);
  EXPECT_FALSE(store.boolForKey(settingsKey::groupNewItems));
  suite->stored.insert_or_assign("renameNewItems", std::int64_t{0});
  EXPECT_FALSE(store.boolForKey(settingsKey::renameNewItems));
}

TEST_F(SettingsStoreTest, NewItemsKeepsCustomAndKnownEntriesAndAppendsTheMissingOnesSwitchedOff) {
  auto txt = NewItem::builtIns()[9];
  ASSERT_EQ(txt.id, "txt");
  txt.enabled = false;
  txt.kind = NewItemKind::Text{"changed", true};
  auto gone = txt;
  gone.id = "gone";
  storeData(settingsKey::newItems, encodeNewItems({customItem("C1", "abc"), txt, gone}));
  const auto store = openStore();

  const auto items = store.newItems();
  ASSERT_EQ(items.size(), 26u);
  EXPECT_EQ(items[0], customItem("C1", "abc"));
  EXPECT_EQ(items[1], txt);
  std::size_t next = 2;
  for (const auto& b : NewItem::builtIns()) {
    if (b.id == "txt") continue;
    auto off = b;
    off.enabled = false;
    EXPECT_EQ(items[next++], off);
  }
  EXPECT_THAT(suite->writes, IsEmpty());
}

TEST_F(SettingsStoreTest, ACompleteNewListComesBackUnchangedAndAnEmptyOneGetsEverythingSwitchedOff) {
  auto all = NewItem::builtIns();
  std::reverse(all.begin(), all.end());
  all[3].enabled = !all[3].enabled;
  storeData(settingsKey::newItems, encodeNewItems(all));
  auto store = openStore();
  EXPECT_EQ(store.newItems(), all);

  storeData(settingsKey::newItems, "[]");
  const auto items = store.newItems();
  EXPECT_EQ(ids(items), ids(NewItem::builtIns()));
  EXPECT_TRUE(std::none_of(items.begin(), items.end(), [](auto& i) { return i.enabled; }));
}

TEST_F(SettingsStoreTest, UnreadableListsCountAsAbsentAndStayStored) {
  auto store = openStore();
  for (const std::string bad : {"not json", R"([{"id":"x","kind":{"folder":{}},"enabled":true,"isBuiltIn":false}])"}) {
    storeData(settingsKey::newItems, bad);
    storeData(settingsKey::sendTo, bad);
    storeData(settingsKey::openWith, bad);
    EXPECT_EQ(store.newItems(), NewItem::builtIns()) << bad;
    EXPECT_EQ(store.sendTo(), SendToEntry::defaults()) << bad;
    EXPECT_EQ(store.openWith(), OpenWithEntry::defaults()) << bad;
  }
  // A value of another type than data is unreadable too.
  suite->stored.insert_or_assign("newItems", std::string(encodeNewItems({customItem("C", "abc")})));
  EXPECT_EQ(store.newItems(), NewItem::builtIns());
  EXPECT_THAT(suite->writes, IsEmpty());
}

TEST_F(SettingsStoreTest, SendToInsertsMissingActionsBeforeTheFirstLaterOne) {
  using A = SendToAction;
  storeData(settingsKey::sendTo, encodeSendTo(entries({{A::documents, false}, {A::zip, true}})));
  auto store = openStore();
  EXPECT_EQ(store.sendTo(), entries({{A::desktopCopy, true}, {A::desktop, true}, {A::documents, false}, {A::zip, true},
                                     {A::otherFolder, true}}));

  storeData(settingsKey::sendTo, encodeSendTo(entries({{A::otherFolder, false}, {A::zip, true}, {A::zip, false}})));
  EXPECT_EQ(store.sendTo(), entries({{A::desktopCopy, true}, {A::desktop, true}, {A::documents, true},
                                     {A::otherFolder, false}, {A::zip, true}, {A::zip, false}}));

  storeData(settingsKey::sendTo, "[]");
  EXPECT_EQ(store.sendTo(), SendToEntry::defaults());
  EXPECT_THAT(suite->writes, IsEmpty());
}

TEST_F(SettingsStoreTest, SavedListsAreJsonDataAndAnOpenWithListComesBackAsStored) {
  storeData(settingsKey::openWith, "[]");
  auto store = openStore();
  EXPECT_THAT(store.openWith(), IsEmpty());
  const std::vector<OpenWithEntry> mine = {{"org.gnome.gedit", false, false}, {"com.apple.Terminal", true, true}};
  store.save(mine);
  EXPECT_EQ(store.openWith(), mine);
  std::vector<NewItem> items = {customItem("C", "abc"), NewItem::builtIns()[0]};
  store.save(items);
  EXPECT_EQ(suite->writtenKeys(), (std::vector<std::string>{"openWith", "newItems"}));
  EXPECT_EQ(decodeNewItems(std::get<DefaultsData>(suite->stored.at("newItems")).bytes), items);
}

TEST_F(SettingsStoreTest, AWriteTheSuiteRefusesIsReportedWithItsKey) {
  auto store = openStore();
  suite->readOnly = true;
  const auto failsFor = [](std::string key, auto write) {
    try {
      write();
      ADD_FAILURE() << "no failure for " << key;
    } catch (const SettingsStore::WriteFailed& failed) {
      EXPECT_EQ(failed.key, key);
    }
  };
  failsFor("newItems", [&] { store.save(NewItem::builtIns()); });
  failsFor("sendTo", [&] { store.save(SendToEntry::defaults()); });
  failsFor("openWith", [&] { store.save(OpenWithEntry::defaults()); });
  failsFor("groupNewItems", [&] { store.setBool(settingsKey::groupNewItems, false); });
  failsFor("pendingTransferItems", [&] { store.setPendingTransferItems({"/a"}); });
  failsFor("pendingAliasFolder", [&] { store.setPendingAliasFolder(std::nullopt); });
}

TEST_F(SettingsStoreTest, ASnapshotIsOneReadOfEverythingOrNothing) {
  storeData(settingsKey::sendTo, encodeSendTo(entries({{SendToAction::zip, false}})));
  suite->stored.insert_or_assign("renameNewItems", false);
  const auto store = openStore();
  suite->reads = 0;
  const auto snapshot = store.snapshot();
  ASSERT_TRUE(snapshot);
  EXPECT_EQ(suite->reads, 1);
  EXPECT_EQ(*snapshot, (SettingsStore::Snapshot{store.newItems(), store.sendTo(), store.openWith(),
                                                store.boolForKey(settingsKey::groupNewItems),
                                                store.boolForKey(settingsKey::showUnopenableTypes),
                                                store.boolForKey(settingsKey::renameNewItems)}));
  EXPECT_FALSE(snapshot->renameNewItems);
  suite->unreadable = true;  // busy, say
  EXPECT_FALSE(store.snapshot());
}

TEST_F(SettingsStoreTest, PendingKeysRoundTripAndEmptyWritesRemoveThem) {
  auto store = openStore();
  EXPECT_THAT(store.pendingTransferItems(), IsEmpty());
  EXPECT_FALSE(store.pendingAliasFolder());

  store.setPendingTransferItems({"/home/u/a b.txt", "/home/u/dir"});
  store.setPendingAliasFolder(std::filesystem::path("/home/u/Desktop"));
  EXPECT_THAT(store.pendingTransferItems(), ElementsAre("/home/u/a b.txt", "/home/u/dir"));
  EXPECT_EQ(store.pendingAliasFolder(), std::filesystem::path("/home/u/Desktop"));

  store.setPendingTransferItems({});
  store.setPendingAliasFolder(std::nullopt);
  EXPECT_FALSE(suite->stored.contains("pendingTransferItems"));
  EXPECT_FALSE(suite->stored.contains("pendingAliasFolder"));
  EXPECT_THAT(store.pendingTransferItems(), IsEmpty());

  suite->stored.insert_or_assign("pendingTransferItems", std::string("/not/an/array"));
  EXPECT_THAT(store.pendingTransferItems(), IsEmpty());
}

}  // namespace
}  // namespace nimbra
