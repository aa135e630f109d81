#include "nimbra/SettingsStore.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "FakeDefaultsSuite.h"
#include "nimbra/JsonCoding.h"

namespace nimbra {
namespace {

using platform::DefaultsData;
using platform::DefaultsValue;

class SettingsStoreTest : public ::testing::Test {
 protected:
  std::shared_ptr<testing::FakeDefaultsSuite> suite = std::make_shared<testing::FakeDefaultsSuite>();

  SettingsStore openStore() {
    auto store = SettingsStore(suite);
    suite->writes.clear();
    return store;
  }
  void storeData(std::string_view key, std::string json) { suite->stored.insert_or_assign(std::string(key), DefaultsData{std::move(json)}); }
};

// The three switches as boolForKey reads them, then as a snapshot does.
std::vector<bool> switches(const SettingsStore& store) {
  const auto s = *store.snapshot();
  return {store.boolForKey(settingsKey::groupNewItems), store.boolForKey(settingsKey::showUnopenableTypes),
          store.boolForKey(settingsKey::renameNewItems), s.groupNewItems, s.showUnopenableTypes, s.renameNewItems};
}

TEST_F(SettingsStoreTest, AnEmptySuiteGivesTheDefaultsInOneReadAndGetsOnlyTheSchemaMark) {
  const auto store = SettingsStore(suite);
  EXPECT_EQ(suite->writes, std::vector<std::string>{"schemaVersion"});
  EXPECT_EQ(suite->stored.at("schemaVersion"), DefaultsValue(std::int64_t{1}));
  suite->reads = 0;
  EXPECT_EQ(store.snapshot(),
            (SettingsStore::Snapshot{NewItem::builtIns(), SendToEntry::defaults(), OpenWithEntry::defaults(), true, false, true}));
  EXPECT_EQ(suite->reads, 1);
  EXPECT_EQ(switches(store), (std::vector<bool>{true, false, true, true, false, true}));

  suite->stored.insert_or_assign("schemaVersion", std::int64_t{7});
  SettingsStore{suite};
  EXPECT_EQ(suite->writes.size(), 1u);
  suite->unreadable = true;  // busy, say
  EXPECT_FALSE(store.snapshot());
}

TEST_F(SettingsStoreTest, StoredSwitchesWinAndTheirValueIsReadAsTruth) {
  suite->stored = {{"groupNewItems", false}, {"showUnopenableTypes", std::string("YES")}, {"renameNewItems", std::int64_t{0}}};
  EXPECT_EQ(switches(openStore()), (std::vector<bool>{false, true, false, false, true, false}));
}

TEST_F(SettingsStoreTest, NewItemsKeepWhatIsStoredAndAppendTheMissingBuiltInsSwitchedOff) {
  auto txt = NewItem::builtIns()[9];
  txt.enabled = false;
  txt.kind = NewItemKind::Text{"changed", true};
  auto gone = txt;
  gone.id = "gone";
  const NewItem custom{"C1", NewItemKind::Text{"", false}, "abc", std::nullopt, std::nullopt, true, false};
  storeData(settingsKey::newItems, encodeNewItems({custom, txt, gone}));
  const auto store = openStore();
  std::vector<NewItem> expected = {custom, txt};
  for (auto item : NewItem::builtIns()) {
    item.enabled = false;
    if (item.id != "txt") expected.push_back(item);
  }
  EXPECT_EQ(store.newItems(), expected);
  EXPECT_EQ(store.snapshot()->newItems, expected);

  auto all = NewItem::builtIns();
  std::reverse(all.begin(), all.end());
  all[3].enabled = !all[3].enabled;
  storeData(settingsKey::newItems, encodeNewItems(all));
  EXPECT_EQ(store.newItems(), all);
  EXPECT_TRUE(suite->writes.empty());
}

TEST_F(SettingsStoreTest, UnreadableListsCountAsAbsent) {
  const auto store = openStore();
  const DefaultsValue unreadable[] = {DefaultsData{"not json"}, DefaultsData{R"([{"id":"x"}])"}, std::string("[]")};
  for (const auto& bad : unreadable) {
    for (const auto key : {settingsKey::newItems, settingsKey::sendTo, settingsKey::openWith}) {
      suite->stored.insert_or_assign(std::string(key), bad);
    }
    EXPECT_EQ(store.snapshot(), (SettingsStore::Snapshot{NewItem::builtIns(), SendToEntry::defaults(), OpenWithEntry::defaults()}));
  }
  EXPECT_TRUE(suite->writes.empty());
}

TEST_F(SettingsStoreTest, SendToInsertsMissingActionsBeforeTheFirstLaterOne) {
  using A = SendToAction;
  using Entries = std::vector<SendToEntry>;
  storeData(settingsKey::sendTo, encodeSendTo({{A::documents, false}, {A::zip, true}}));
  const auto store = openStore();
  EXPECT_EQ(store.sendTo(), (Entries{{A::desktopCopy, true}, {A::desktop, true}, {A::documents, false}, {A::zip, true},
                                     {A::otherFolder, true}}));
  storeData(settingsKey::sendTo, encodeSendTo({{A::otherFolder, false}, {A::zip, true}, {A::zip, false}}));
  EXPECT_EQ(store.snapshot()->sendTo, (Entries{{A::desktopCopy, true}, {A::desktop, true}, {A::documents, true},
                                               {A::otherFolder, false}, {A::zip, true}, {A::zip, false}}));
}

TEST_F(SettingsStoreTest, ListsAreSavedAsJsonDataAndAnOpenWithListComesBackAsStored) {
  storeData(settingsKey::openWith, "[]");
  auto store = openStore();
  EXPECT_TRUE(store.openWith().empty());
  const std::vector<OpenWithEntry> mine = {{"org.gnome.gedit", false, false}, {"com.apple.Terminal", true, true}};
  store.save(mine);
  EXPECT_EQ(store.openWith(), mine);
  const std::vector<NewItem> items = {NewItem::builtIns()[1]};
  store.save(items);
  store.save(SendToEntry::defaults());
  EXPECT_EQ(suite->writes, (std::vector<std::string>{"openWith", "newItems", "sendTo"}));
  EXPECT_EQ(decodeNewItems(std::get<DefaultsData>(suite->stored.at("newItems")).bytes), items);
}

// The pending values' failures are the dispatcher's tests to show.
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
}

// Reading back what was written is the dispatcher's tests to show.
TEST_F(SettingsStoreTest, EmptyPendingValuesRemoveTheirKeysAndUnreadableOnesAreEmpty) {
  auto store = openStore();
  store.setPendingTransferItems({"/home/u/a b.txt"});
  store.setPendingAliasFolder(std::filesystem::path("/home/u/Desktop"));
  store.setPendingTransferItems({});
  store.setPendingAliasFolder(std::nullopt);
  EXPECT_FALSE(suite->stored.contains("pendingTransferItems") || suite->stored.contains("pendingAliasFolder"));
  suite->stored.insert_or_assign("pendingTransferItems", std::string("/not/an/array"));
  EXPECT_TRUE(store.pendingTransferItems().empty());
}

}  // namespace
}  // namespace nimbra
