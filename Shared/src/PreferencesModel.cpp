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
    if (item.isBuiltIn || std::holds_alternative<std::string>(NewItem::validateExtension(item.ext))) kept.push_back(item);
  }
  return kept;
}

}  // namespace

PreferencesModel::PreferencesModel(SettingsStore store, std::shared_ptr<const platform::ApplicationBundles> bundles)
    : store_(std::move(store)),
      bundles_(std::move(bundles)),
      newItems_(store_.newItems()),
      sendTo_(store_.sendTo()),
      openWith_(store_.openWith()),
      groupNewItems_(store_.boolForKey(settingsKey::groupNewItems)),
      showUnopenableTypes_(store_.boolForKey(settingsKey::showUnopenableTypes)),
      renameNewItems_(store_.boolForKey(settingsKey::renameNewItems)) {}

template <class T>
void PreferencesModel::assign(T& field, T value, Property property) {
  const bool changed = field != value;
  field = std::move(value);
  write(property);
  if (changed) notify(property);
}

void PreferencesModel::write(Property property) {
  switch (property) {
    case Property::newItems: store_.save(storable(newItems_)); break;
    case Property::sendTo: store_.save(sendTo_); break;
    case Property::openWith: store_.save(openWith_); break;
    case Property::groupNewItems: store_.setBool(settingsKey::groupNewItems, groupNewItems_); break;
    case Property::showUnopenableTypes: store_.setBool(settingsKey::showUnopenableTypes, showUnopenableTypes_); break;
    case Property::renameNewItems: store_.setBool(settingsKey::renameNewItems, renameNewItems_); break;
  }
}

void PreferencesModel::notify(Property property) {
  // A copy, so an observer may add or remove observers while being told.
  const auto observers = observers_;
  for (const auto& [id, observer] : observers) observer(property);
}

void PreferencesModel::setNewItems(std::vector<NewItem> items) { assign(newItems_, std::move(items), Property::newItems); }
void PreferencesModel::setSendTo(std::vector<SendToEntry> entries) { assign(sendTo_, std::move(entries), Property::sendTo); }
void PreferencesModel::setOpenWith(std::vector<OpenWithEntry> entries) {
  assign(openWith_, std::move(entries), Property::openWith);
}
void PreferencesModel::setGroupNewItems(bool value) { assign(groupNewItems_, value, Property::groupNewItems); }
void PreferencesModel::setShowUnopenableTypes(bool value) {
  assign(showUnopenableTypes_, value, Property::showUnopenableTypes);
}
void PreferencesModel::setRenameNewItems(bool value) { assign(renameNewItems_, value, Property::renameNewItems); }

PreferencesModel::ObserverID PreferencesModel::observe(Observer observer) {
  const auto id = nextObserver_++;
  observers_.emplace(id, std::move(observer));
  return id;
}

void PreferencesModel::removeObserver(ObserverID id) { observers_.erase(id); }

void PreferencesModel::addCustomType() {
  auto items = newItems_;
  items.push_back(NewItem{newUUID(), NewItemKind::Text{"", false}, "", std::nullopt, std::nullopt, true, false});
  setNewItems(std::move(items));
}

void PreferencesModel::removeCustomType(const NewItem& item) {
  if (item.isBuiltIn) return;
  auto items = newItems_;
  std::erase_if(items, [&](const NewItem& entry) { return entry.id == item.id; });
  setNewItems(std::move(items));
}

void PreferencesModel::moveNewItems(const std::set<std::size_t>& fromOffsets, std::size_t toOffset) {
  auto items = newItems_;
  const std::size_t size = items.size();
  auto destination = std::min(toOffset, size);
  std::vector<NewItem> taken;
  for (const auto offset : fromOffsets) {
    if (offset >= size) continue;
    taken.push_back(items[offset]);
    if (offset < toOffset) --destination;
  }
  for (auto it = fromOffsets.rbegin(); it != fromOffsets.rend(); ++it) {
    if (*it < size) items.erase(items.begin() + static_cast<std::ptrdiff_t>(*it));
  }
  items.insert(items.begin() + static_cast<std::ptrdiff_t>(destination), std::make_move_iterator(taken.begin()),
               std::make_move_iterator(taken.end()));
  setNewItems(std::move(items));
}

void PreferencesModel::setTemplate(std::string text, std::size_t index) {
  if (index >= newItems_.size()) return;
  const auto* current = newItems_[index].kind.as<NewItemKind::Text>();
  if (!current) return;
  auto items = newItems_;
  items[index].kind = NewItemKind::Text{std::move(text), current->executable};
  setNewItems(std::move(items));
}

void PreferencesModel::addApp(const std::filesystem::path& location) {
  auto bundleID = bundles_ ? bundles_->bundleIdentifier(location) : std::nullopt;
  if (!bundleID) throw NotAnApp{};
  const bool listed = std::any_of(openWith_.begin(), openWith_.end(), [&](const OpenWithEntry& e) { return e.bundleID == *bundleID; });
  if (listed) return;
  auto entries = openWith_;
  entries.push_back(OpenWithEntry{std::move(*bundleID), true, false});
  setOpenWith(std::move(entries));
}

}  // namespace nimbra
