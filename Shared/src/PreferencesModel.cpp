#include "nimbra/PreferencesModel.h"

#include "nimbra/UUID.h"

#include <algorithm>
#include <array>

namespace nimbra {
namespace {

// Custom entries reach the menu only once their extension is valid.
std::vector<NewItem> storable(const std::vector<NewItem>& items) {
  std::vector<NewItem> kept;
  kept.reserve(items.size());
  for (const auto& item : items) {
    if (item.isUsable()) kept.push_back(item);
  }
  return kept;
}

constexpr PreferencesModel::Property kProperties[] = {
    PreferencesModel::Property::newItems,      PreferencesModel::Property::sendTo,
    PreferencesModel::Property::openWith,      PreferencesModel::Property::groupNewItems,
    PreferencesModel::Property::showUnopenableTypes, PreferencesModel::Property::renameNewItems,
};

bool sameProperty(PreferencesModel::Property property, const SettingsStore::Snapshot& a, const SettingsStore::Snapshot& b) {
  using P = PreferencesModel::Property;
  switch (property) {
    case P::newItems: return a.newItems == b.newItems;
    case P::sendTo: return a.sendTo == b.sendTo;
    case P::openWith: return a.openWith == b.openWith;
    case P::groupNewItems: return a.groupNewItems == b.groupNewItems;
    case P::showUnopenableTypes: return a.showUnopenableTypes == b.showUnopenableTypes;
    case P::renameNewItems: return a.renameNewItems == b.renameNewItems;
  }
  return true;
}

void copyProperty(PreferencesModel::Property property, const SettingsStore::Snapshot& from, SettingsStore::Snapshot& to) {
  using P = PreferencesModel::Property;
  switch (property) {
    case P::newItems: to.newItems = from.newItems; break;
    case P::sendTo: to.sendTo = from.sendTo; break;
    case P::openWith: to.openWith = from.openWith; break;
    case P::groupNewItems: to.groupNewItems = from.groupNewItems; break;
    case P::showUnopenableTypes: to.showUnopenableTypes = from.showUnopenableTypes; break;
    case P::renameNewItems: to.renameNewItems = from.renameNewItems; break;
  }
}

}  // namespace

PreferencesModel::PreferencesModel(SettingsStore store, std::shared_ptr<const platform::ApplicationBundles> bundles)
    : store_(std::move(store)), bundles_(std::move(bundles)) {
  storedChanges_ = store_.defaults().changeCount();
  stored_ = read();
  current_ = stored_;
}

SettingsStore::Snapshot PreferencesModel::read() const {
  if (auto snapshot = store_.snapshot()) return std::move(*snapshot);
  return {store_.newItems(),
          store_.sendTo(),
          store_.openWith(),
          store_.boolForKey(settingsKey::groupNewItems),
          store_.boolForKey(settingsKey::showUnopenableTypes),
          store_.boolForKey(settingsKey::renameNewItems)};
}

void PreferencesModel::refresh() {
  const auto changes = store_.defaults().changeCount();
  if (changes == storedChanges_) return;
  // A busy suite is no news: the model keeps what it holds and reads again next time.
  auto fresh = store_.snapshot();
  if (!fresh) return;
  storedChanges_ = changes;
  // Only what the other writer changed is taken in: the model's own unstored
  // entries (a custom type still without a valid extension) stay.
  std::vector<Property> changed;
  for (const auto property : kProperties) {
    if (sameProperty(property, *fresh, stored_)) continue;
    if (!sameProperty(property, *fresh, current_)) changed.push_back(property);
    copyProperty(property, *fresh, current_);
  }
  stored_ = std::move(*fresh);
  for (const auto property : changed) notify(property);
}

template <class T>
void PreferencesModel::assign(T Snapshot::*field, T value, Property property) {
  refresh();
  Snapshot next = current_;
  next.*field = std::move(value);
  write(property, next);
  const bool changed = current_.*field != next.*field;
  current_ = std::move(next);
  const auto changes = store_.defaults().changeCount();
  if (auto fresh = store_.snapshot()) {
    stored_ = std::move(*fresh);
    storedChanges_ = changes;
  }
  if (changed) notify(property);
}

void PreferencesModel::write(Property property, const Snapshot& values) {
  switch (property) {
    case Property::newItems: store_.save(storable(values.newItems)); break;
    case Property::sendTo: store_.save(values.sendTo); break;
    case Property::openWith: store_.save(values.openWith); break;
    case Property::groupNewItems: store_.setBool(settingsKey::groupNewItems, values.groupNewItems); break;
    case Property::showUnopenableTypes: store_.setBool(settingsKey::showUnopenableTypes, values.showUnopenableTypes); break;
    case Property::renameNewItems: store_.setBool(settingsKey::renameNewItems, values.renameNewItems); break;
  }
}

void PreferencesModel::notify(Property property) {
  // A copy, so an observer may add or remove observers while being told.
  const auto observers = observers_;
  for (const auto& [id, observer] : observers) observer(property);
}

void PreferencesModel::setNewItems(std::vector<NewItem> items) { assign(&Snapshot::newItems, std::move(items), Property::newItems); }
void PreferencesModel::setSendTo(std::vector<SendToEntry> entries) {
  assign(&Snapshot::sendTo, std::move(entries), Property::sendTo);
}
void PreferencesModel::setOpenWith(std::vector<OpenWithEntry> entries) {
  assign(&Snapshot::openWith, std::move(entries), Property::openWith);
}
void PreferencesModel::setGroupNewItems(bool value) { assign(&Snapshot::groupNewItems, value, Property::groupNewItems); }
void PreferencesModel::setShowUnopenableTypes(bool value) {
  assign(&Snapshot::showUnopenableTypes, value, Property::showUnopenableTypes);
}
void PreferencesModel::setRenameNewItems(bool value) { assign(&Snapshot::renameNewItems, value, Property::renameNewItems); }

PreferencesModel::ObserverID PreferencesModel::observe(Observer observer) {
  const auto id = nextObserver_++;
  observers_.emplace(id, std::move(observer));
  return id;
}

void PreferencesModel::removeObserver(ObserverID id) { observers_.erase(id); }

void PreferencesModel::addCustomType() {
  refresh();
  auto items = current_.newItems;
  items.push_back(NewItem{newUUID(), NewItemKind::Text{"", false}, "", std::nullopt, std::nullopt, true, false});
  setNewItems(std::move(items));
}

void PreferencesModel::removeCustomType(const NewItem& item) {
  if (item.isBuiltIn) return;
  refresh();
  auto items = current_.newItems;
  std::erase_if(items, [&](const NewItem& entry) { return entry.id == item.id; });
  setNewItems(std::move(items));
}

void PreferencesModel::moveNewItems(const std::set<std::size_t>& fromOffsets, std::size_t toOffset) {
  setNewItems(moved(current_.newItems, fromOffsets, toOffset));
}

template <class T, class Matches, class Edit>
void PreferencesModel::editEntries(T Snapshot::*field, Property property, Matches matches, Edit edit) {
  refresh();
  auto entries = current_.*field;
  bool found = false;
  for (auto& entry : entries) {
    if (matches(entry)) found = edit(entry) || found;
  }
  if (found) assign(field, std::move(entries), property);
}

void PreferencesModel::updateNewItem(const NewItem& edited) {
  editEntries(
      &Snapshot::newItems, Property::newItems, [&](const NewItem& item) { return item.id == edited.id; },
      [&](NewItem& item) {
        item = edited;
        return true;
      });
}

void PreferencesModel::setTemplate(std::string text, const std::string& id) {
  editEntries(
      &Snapshot::newItems, Property::newItems, [&](const NewItem& item) { return item.id == id; },
      [&](NewItem& item) {
        const auto* current = item.kind.as<NewItemKind::Text>();
        if (!current) return false;
        item.kind = NewItemKind::Text{text, current->executable};
        return true;
      });
}

void PreferencesModel::setSendToEnabled(SendToAction action, bool enabled) {
  editEntries(
      &Snapshot::sendTo, Property::sendTo, [&](const SendToEntry& entry) { return entry.action == action; },
      [&](SendToEntry& entry) {
        entry.enabled = enabled;
        return true;
      });
}

void PreferencesModel::setOpenWithEnabled(const std::string& bundleID, bool enabled) {
  editEntries(
      &Snapshot::openWith, Property::openWith, [&](const OpenWithEntry& entry) { return entry.bundleID == bundleID; },
      [&](OpenWithEntry& entry) {
        entry.enabled = enabled;
        return true;
      });
}

void PreferencesModel::removeApp(const std::string& bundleID) {
  refresh();
  auto entries = current_.openWith;
  if (std::erase_if(entries, [&](const OpenWithEntry& entry) { return entry.bundleID == bundleID; }) > 0) {
    setOpenWith(std::move(entries));
  }
}

void PreferencesModel::addApp(const std::filesystem::path& location) {
  auto bundleID = bundles_ ? bundles_->bundleIdentifier(location) : std::nullopt;
  if (!bundleID) throw NotAnApp{};
  refresh();
  const auto& list = current_.openWith;
  const bool listed = std::any_of(list.begin(), list.end(), [&](const OpenWithEntry& e) { return e.bundleID == *bundleID; });
  if (listed) return;
  auto entries = list;
  entries.push_back(OpenWithEntry{std::move(*bundleID), true, false});
  setOpenWith(std::move(entries));
}

}  // namespace nimbra
