#include "nimbra/PreferencesModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "FakeApplicationBundles.h"
#include "FakeDefaultsSuite.h"
#include "nimbra/JsonCoding.h"

namespace nimbra {
namespace {

using Property = PreferencesModel::Property;
using Ids = std::vector<std::string>;

// An enabled custom text entry with an empty template.
NewItem customItem(std::string id, std::string ext) {
  return NewItem{std::move(id), NewItemKind::Text{"", false}, std::move(ext), std::nullopt, std::nullopt, true, false};
}

Ids ids(const std::vector<NewItem>& items) {
  Ids result;
  for (const auto& item : items) result.push_back(item.id);
  return result;
}

class PreferencesModelTest : public ::testing::Test {
 protected:
  std::shared_ptr<testing::FakeDefaultsSuite> suite = std::make_shared<testing::FakeDefaultsSuite>();
  std::shared_ptr<testing::FakeApplicationBundles> bundles = std::make_shared<testing::FakeApplicationBundles>();
  std::vector<Property> heard;

  PreferencesModel makeModel() {
    PreferencesModel model(SettingsStore(suite), bundles);
    model.observe([this](Property p) { heard.push_back(p); });
    suite->writes.clear();
    return model;
  }
  std::vector<NewItem> storedNewItems() const {
    return decodeNewItems(std::get<platform::DefaultsData>(suite->stored.at("newItems")).bytes);
  }
};

TEST_F(PreferencesModelTest, EveryAssignmentIsWrittenButOnlyRealChangesAreHeard) {
  auto model = makeModel();
  model.setGroupNewItems(true);
  model.setSendTo(model.sendTo());
  EXPECT_EQ(suite->writes, (Ids{"groupNewItems", "sendTo"}));
  EXPECT_TRUE(heard.empty());

  int calls = 0;
  const auto id = model.observe([&](Property) { ++calls; });
  auto apps = model.openWith();
  apps[0].enabled = false;
  model.setOpenWith(apps);
  model.removeObserver(id);
  model.setGroupNewItems(false);
  model.setShowUnopenableTypes(true);
  model.setRenameNewItems(false);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(heard, (std::vector<Property>{Property::openWith, Property::groupNewItems, Property::showUnopenableTypes,
                                          Property::renameNewItems}));
  const auto stored = *model.store().snapshot();
  EXPECT_EQ(stored.openWith, apps);
  EXPECT_EQ(std::tuple(stored.groupNewItems, stored.showUnopenableTypes, stored.renameNewItems), std::tuple(false, true, false));
}

TEST_F(PreferencesModelTest, AWriteTheStoreRefusesLeavesTheModelAsItWas) {
  suite->stored.emplace("groupNewItems", false);
  auto model = makeModel();
  suite->readOnly = true;
  EXPECT_THROW(model.setGroupNewItems(true), SettingsStore::WriteFailed);
  EXPECT_THROW(model.addCustomType(), SettingsStore::WriteFailed);
  EXPECT_FALSE(model.groupNewItems());
  EXPECT_EQ(model.newItems(), NewItem::builtIns());
  EXPECT_TRUE(heard.empty());
}

TEST_F(PreferencesModelTest, WhatAnotherWriterStoredIsTakenInAndNeverWrittenOver) {
  auto model = makeModel();
  model.addCustomType();  // not stored until it has an extension
  heard.clear();
  SettingsStore other(suite);
  const std::vector<OpenWithEntry> theirApps = {{"org.gnome.gedit", true, false}};
  other.save(theirApps);
  other.setBool(settingsKey::groupNewItems, false);
  model.refresh();
  EXPECT_EQ(heard, (std::vector<Property>{Property::openWith, Property::groupNewItems}));
  EXPECT_EQ(model.openWith(), theirApps);
  EXPECT_FALSE(model.groupNewItems());
  EXPECT_EQ(model.newItems().size(), NewItem::builtIns().size() + 1);  // its own unstored entry stays

  // A change made without an explicit refresh still takes the other writer's list in first.
  const auto theirSendTo = std::vector<SendToEntry>{{SendToAction::zip, false}};
  other.save(theirSendTo);
  model.setRenameNewItems(false);
  EXPECT_EQ(model.store().sendTo().front(), theirSendTo.front());
  EXPECT_EQ(model.sendTo(), model.store().sendTo());
  model.refresh();
  EXPECT_EQ(heard, (std::vector<Property>{Property::openWith, Property::groupNewItems, Property::sendTo, Property::renameNewItems}));

  // A suite too busy to read is no change: nothing heard, nothing lost, read again later.
  const std::vector<OpenWithEntry> theirNextApps = {{"org.gnome.TextEditor", true, false}};
  other.save(theirNextApps);
  suite->unreadable = true;
  model.refresh();
  EXPECT_EQ(model.openWith(), theirApps);
  EXPECT_EQ(heard.size(), 4u);
  suite->unreadable = false;
  model.refresh();
  EXPECT_EQ(model.openWith(), theirNextApps);
}

TEST_F(PreferencesModelTest, ACustomTypeReachesTheStoreOnlyOnceItsExtensionIsValid) {
  auto model = makeModel();
  model.addCustomType();
  model.addCustomType();
  auto items = model.newItems();
  const auto first = items.size() - 2;
  EXPECT_EQ(items[first], customItem(items[first].id, ""));
  EXPECT_TRUE(std::regex_match(items[first].id, std::regex("[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}")))
      << items[first].id;
  EXPECT_NE(items[first].id, items[first + 1].id);
  EXPECT_EQ(storedNewItems(), NewItem::builtIns());
  EXPECT_EQ(heard, (std::vector<Property>{Property::newItems, Property::newItems}));

  items[first].ext = "txt";
  items[first + 1].ext = "bad/ext";
  model.setNewItems(items);
  EXPECT_EQ(storedNewItems().back(), items[first]);
  EXPECT_EQ(storedNewItems().size(), items.size() - 1);
  EXPECT_EQ(model.newItems(), items);
}

TEST_F(PreferencesModelTest, EditingTheNewList) {
  auto model = makeModel();
  model.removeCustomType(model.newItems()[0]);  // built-ins stay
  EXPECT_TRUE(suite->writes.empty());
  model.setNewItems({customItem("A", "a"), customItem("B", "b"), customItem("A", "c")});
  model.removeCustomType(customItem("A", "x"));
  EXPECT_EQ(ids(storedNewItems()), Ids{"B"});

  // Offsets count before the move.
  const std::vector<NewItem> abcd = {customItem("A", "a"), customItem("B", "b"), customItem("C", "c"), customItem("D", "d")};
  const std::tuple<std::set<std::size_t>, std::size_t, Ids> moves[] = {
      {{0}, 3, {"B", "C", "A", "D"}}, {{1, 3}, 0, {"B", "D", "A", "C"}}, {{0, 2}, 4, {"B", "D", "A", "C"}}};
  for (const auto& [from, to, expected] : moves) {
    model.setNewItems(abcd);
    model.moveNewItems(from, to);
    EXPECT_EQ(ids(storedNewItems()), expected);
  }
}

TEST_F(PreferencesModelTest, AnEntrysEditGoesByItsIdentityAgainstTheListAsStoredNow) {
  const auto& builtIns = NewItem::builtIns();
  auto model = makeModel();
  // Another writer reorders every list after the model read them.
  SettingsStore other(suite);
  other.save(std::vector<NewItem>{customItem("C", "c"), builtIns[16], builtIns[0]});  // sh, folder
  auto sendTo = SendToEntry::defaults();
  std::reverse(sendTo.begin(), sendTo.end());
  other.save(sendTo);
  auto apps = OpenWithEntry::defaults();
  std::reverse(apps.begin(), apps.end());
  other.save(apps);
  suite->writes.clear();

  model.setTemplate("ignored", "folder");  // not a text entry
  model.updateNewItem(customItem("gone", "x"));
  EXPECT_TRUE(suite->writes.empty());
  model.setTemplate("#!/bin/sh\necho hi\n", "sh");
  model.updateNewItem(customItem("C", "cc"));
  const auto items = storedNewItems();
  EXPECT_EQ(items[0], customItem("C", "cc"));
  EXPECT_EQ(items[1].kind, NewItemKind(NewItemKind::Text{"#!/bin/sh\necho hi\n", true}));  // still executable
  EXPECT_EQ(items[2], builtIns[0]);

  model.setSendToEnabled(SendToAction::zip, false);
  sendTo.back().enabled = false;
  EXPECT_EQ(model.store().sendTo(), sendTo);
  model.setOpenWithEnabled(apps.front().bundleID, false);
  model.removeApp(apps.back().bundleID);
  apps.front().enabled = false;
  apps.pop_back();
  EXPECT_EQ(model.store().openWith(), apps);
}

TEST_F(PreferencesModelTest, AddingAnApplication) {
  bundles->identifiers = {{"/apps/gedit.desktop", "org.gnome.gedit"}, {"/apps/term.desktop", "com.apple.Terminal"}};
  auto model = makeModel();
  EXPECT_THROW(model.addApp("/home/u/notes.txt"), PreferencesModel::NotAnApp);
  model.addApp("/apps/gedit.desktop");
  model.addApp("/apps/gedit.desktop");
  model.addApp("/apps/term.desktop");  // listed already
  EXPECT_EQ(suite->writes, Ids{"openWith"});
  EXPECT_EQ(model.store().openWith().size(), OpenWithEntry::defaults().size() + 1);
  EXPECT_EQ(model.openWith().back(), (OpenWithEntry{"org.gnome.gedit", true, false}));
}

}  // namespace
}  // namespace nimbra
