#include "nimbra/PreferencesModel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>

#include "FakeApplicationBundles.h"
#include "FakeDefaultsSuite.h"
#include "NewItemSamples.h"
#include "nimbra/JsonCoding.h"

namespace nimbra {
namespace {

using Property = PreferencesModel::Property;
using platform::DefaultsData;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::customItem;
using testing::ids;

class PreferencesModelTest : public ::testing::Test {
 protected:
  std::shared_ptr<testing::FakeDefaultsSuite> suite = std::make_shared<testing::FakeDefaultsSuite>();
  std::shared_ptr<testing::FakeApplicationBundles> bundles = std::make_shared<testing::FakeApplicationBundles>();
  std::vector<Property> heard;

  PreferencesModel makeModel() {
    PreferencesModel model(*SettingsStore::open(suite), bundles);
    model.observe([this](Property p) { heard.push_back(p); });
    suite->writes.clear();
    return model;
  }
  std::vector<NewItem> storedNewItems() const {
    return decodeNewItems(std::get<DefaultsData>(suite->stored.at("newItems")).bytes);
  }
};

TEST_F(PreferencesModelTest, LoadsEveryPropertyFromTheStore) {
  suite->stored.emplace("showUnopenableTypes", true);
  suite->stored.emplace("sendTo", DefaultsData{R"([{"action":"zip","enabled":false}])"});
  const auto model = makeModel();
  EXPECT_EQ(model.newItems(), NewItem::builtIns());
  EXPECT_EQ(model.sendTo().front(), (SendToEntry{SendToAction::zip, false}));
  EXPECT_EQ(model.sendTo().size(), 5u);
  EXPECT_EQ(model.openWith(), OpenWithEntry::defaults());
  EXPECT_TRUE(model.groupNewItems());
  EXPECT_TRUE(model.showUnopenableTypes());
  EXPECT_TRUE(model.renameNewItems());
}

TEST_F(PreferencesModelTest, EveryAssignmentIsWrittenButOnlyRealChangesAreHeard) {
  auto model = makeModel();
  model.setGroupNewItems(true);
  model.setSendTo(model.sendTo());
  EXPECT_EQ(suite->writtenKeys(), (std::vector<std::string>{"groupNewItems", "sendTo"}));
  EXPECT_THAT(heard, IsEmpty());

  model.setRenameNewItems(false);
  auto apps = model.openWith();
  apps[0].enabled = false;
  model.setOpenWith(apps);
  EXPECT_THAT(heard, ElementsAre(Property::renameNewItems, Property::openWith));
  EXPECT_EQ(suite->stored.at("renameNewItems"), platform::DefaultsValue(false));
  EXPECT_EQ(model.store().openWith(), apps);
}

TEST_F(PreferencesModelTest, RemovedObserversHearNothing) {
  auto model = makeModel();
  int calls = 0;
  const auto id = model.observe([&](Property) { ++calls; });
  model.setShowUnopenableTypes(true);
  model.removeObserver(id);
  model.setShowUnopenableTypes(false);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(heard.size(), 2u);
}

TEST_F(PreferencesModelTest, AWriteTheStoreRefusesLeavesTheModelAsItWas) {
  auto model = makeModel();
  suite->readOnly = true;
  EXPECT_THROW(model.setGroupNewItems(false), SettingsStore::WriteFailed);
  EXPECT_THROW(model.addCustomType(), SettingsStore::WriteFailed);
  EXPECT_TRUE(model.groupNewItems());
  EXPECT_EQ(model.newItems(), NewItem::builtIns());
  EXPECT_THAT(heard, IsEmpty());
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
  EXPECT_THAT(heard, ElementsAre(Property::openWith, Property::groupNewItems));
  EXPECT_EQ(model.openWith(), theirApps);
  EXPECT_FALSE(model.groupNewItems());
  EXPECT_EQ(model.newItems().size(), 26u);  // its own unstored entry stays

  // A change made without an explicit refresh still takes the other writer's list in first.
  const auto theirSendTo = std::vector<SendToEntry>{{SendToAction::zip, false}};
  other.save(theirSendTo);
  model.setRenameNewItems(false);
  EXPECT_EQ(model.store().sendTo().front(), theirSendTo.front());
  EXPECT_EQ(model.sendTo(), model.store().sendTo());
  model.refresh();
  EXPECT_THAT(heard, ElementsAre(Property::openWith, Property::groupNewItems, Property::sendTo, Property::renameNewItems));
}

TEST_F(PreferencesModelTest, ACustomTypeReachesTheStoreOnlyOnceItsExtensionIsValid) {
  auto model = makeModel();
  model.addCustomType();
  model.addCustomType();
  ASSERT_EQ(model.newItems().size(), 27u);
  const auto added = model.newItems()[25];
  EXPECT_EQ(added, (NewItem{added.id, NewItemKind::Text{"", false}, "", std::nullopt, std::nullopt, true, false}));
  EXPECT_TRUE(std::regex_match(added.id, std::regex("[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}")))
      << added.id;
  EXPECT_NE(added.id, model.newItems()[26].id);
  EXPECT_EQ(storedNewItems(), NewItem::builtIns());
  EXPECT_EQ(heard, (std::vector<Property>{Property::newItems, Property::newItems}));

  auto items = model.newItems();
  items[25].ext = "txt";
  items[26].ext = "bad/ext";
  model.setNewItems(items);
  EXPECT_EQ(storedNewItems().size(), 26u);
  EXPECT_EQ(storedNewItems().back(), items[25]);
  EXPECT_EQ(model.newItems(), items);
}

TEST_F(PreferencesModelTest, RemovingACustomTypeRemovesEveryEntryWithItsIdAndBuiltInsStay) {
  auto model = makeModel();
  model.removeCustomType(model.newItems()[0]);
  EXPECT_THAT(suite->writes, IsEmpty());
  EXPECT_EQ(model.newItems(), NewItem::builtIns());

  model.setNewItems({customItem("A", "a"), customItem("B", "b"), customItem("A", "c")});
  model.removeCustomType(customItem("A", "x"));
  EXPECT_THAT(ids(model.newItems()), ElementsAre("B"));
  EXPECT_THAT(ids(storedNewItems()), ElementsAre("B"));
}

TEST_F(PreferencesModelTest, MovingNewItemsCountsTheDestinationBeforeTheMove) {
  auto model = makeModel();
  const std::vector<NewItem> abcd = {customItem("A", "a"), customItem("B", "b"), customItem("C", "c"), customItem("D", "d")};
  model.setNewItems(abcd);
  model.moveNewItems({0}, 3);
  EXPECT_THAT(ids(model.newItems()), ElementsAre("B", "C", "A", "D"));

  model.setNewItems(abcd);
  model.moveNewItems({1, 3}, 0);
  EXPECT_THAT(ids(model.newItems()), ElementsAre("B", "D", "A", "C"));

  model.setNewItems(abcd);
  model.moveNewItems({0, 2}, 4);
  EXPECT_THAT(ids(model.newItems()), ElementsAre("B", "D", "A", "C"));
  EXPECT_THAT(ids(storedNewItems()), ElementsAre("B", "D", "A", "C"));
}

TEST_F(PreferencesModelTest, TemplatesChangeOnlyOnTextEntriesAndKeepTheExecutableFlag) {
  auto model = makeModel();
  const auto at = [&](std::string_view id) {
    const auto& items = model.newItems();
    return static_cast<std::size_t>(std::find_if(items.begin(), items.end(), [&](auto& i) { return i.id == id; }) - items.begin());
  };
  model.setTemplate("ignored", at("folder"));
  EXPECT_THAT(suite->writes, IsEmpty());

  model.setTemplate("#!/bin/sh\necho hi\n", at("sh"));
  EXPECT_EQ(model.newItems()[at("sh")].kind, NewItemKind(NewItemKind::Text{"#!/bin/sh\necho hi\n", true}));
  EXPECT_EQ(storedNewItems()[at("sh")].kind, model.newItems()[at("sh")].kind);
  EXPECT_THAT(heard, ElementsAre(Property::newItems));
}

TEST_F(PreferencesModelTest, AddingAnApplication) {
  bundles->identifiers = {{"/apps/gedit.desktop", "org.gnome.gedit"}, {"/apps/term.desktop", "com.apple.Terminal"}};
  auto model = makeModel();
  EXPECT_THROW(model.addApp("/home/u/notes.txt"), PreferencesModel::NotAnApp);
  EXPECT_THAT(suite->writes, IsEmpty());

  model.addApp("/apps/gedit.desktop");
  model.addApp("/apps/gedit.desktop");
  EXPECT_EQ(model.openWith().size(), 17u);
  EXPECT_EQ(model.openWith().back(), (OpenWithEntry{"org.gnome.gedit", true, false}));
  EXPECT_EQ(suite->writtenKeys(), std::vector<std::string>{"openWith"});

  // A known application the user had removed comes back as an ordinary one.
  auto apps = model.openWith();
  std::erase_if(apps, [](auto& e) { return e.bundleID == "com.apple.Terminal"; });
  model.setOpenWith(apps);
  model.addApp("/apps/term.desktop");
  EXPECT_EQ(model.store().openWith().back(), (OpenWithEntry{"com.apple.Terminal", true, false}));
}

}  // namespace
}  // namespace nimbra
