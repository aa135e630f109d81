#pragma once
// The companion app's editable copy of the shared settings. Every assignment
// is written to the store at once, also when the value is unchanged; observers
// hear of a property only when its value really changed, by this model or by
// another writer of the suite. Main thread only.

#include <algorithm>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "nimbra/SettingsStore.h"
#include "nimbra/platform/ApplicationBundles.h"

namespace nimbra {

// The list with the entries at `rows` moved, in their order, to the gap `destination`
// (counted before the move), the way every list of the preferences moves.
template <class T>
std::vector<T> moved(std::vector<T> list, const std::set<std::size_t>& rows, std::size_t destination) {
  std::vector<T> taken;
  destination = std::min(destination, list.size());
  std::size_t below = 0;
  for (const auto row : rows) {
    if (row >= list.size()) continue;
    taken.push_back(list[row]);
    if (row < destination) ++below;
  }
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
    if (*it < list.size()) list.erase(list.begin() + static_cast<std::ptrdiff_t>(*it));
  }
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(destination - below), taken.begin(), taken.end());
  return list;
}


class PreferencesModel {
 public:
  // The location given to addApp is not an application with an identifier.
  struct NotAnApp : std::exception {
    const char* what() const noexcept override { return "PreferencesModel::NotAnApp"; }
  };

  enum class Property { newItems, sendTo, openWith, groupNewItems, showUnopenableTypes, renameNewItems };
  using Observer = std::function<void(Property)>;
  using ObserverID = std::uint64_t;

  // Loads the six properties from the store.
  PreferencesModel(SettingsStore store, std::shared_ptr<const platform::ApplicationBundles> bundles);

  const std::vector<NewItem>& newItems() const { return current_.newItems; }
  const std::vector<SendToEntry>& sendTo() const { return current_.sendTo; }
  const std::vector<OpenWithEntry>& openWith() const { return current_.openWith; }
  bool groupNewItems() const { return current_.groupNewItems; }
  bool showUnopenableTypes() const { return current_.showUnopenableTypes; }
  bool renameNewItems() const { return current_.renameNewItems; }
  const SettingsStore& store() const { return store_; }

  // Every change below first takes in what others wrote (refresh), then writes
  // the property. A write the store refuses throws SettingsStore::WriteFailed and
  // leaves the property as it was.
  // The New list is stored without custom entries whose extension is not
  // valid; the model keeps them so the window can still show them.
  void setNewItems(std::vector<NewItem> items);
  void setSendTo(std::vector<SendToEntry> entries);
  void setOpenWith(std::vector<OpenWithEntry> entries);
  void setGroupNewItems(bool value);
  void setShowUnopenableTypes(bool value);
  void setRenameNewItems(bool value);

  // Takes in the properties another process (the other window, nimbra-defaults)
  // stored since this model last read or wrote the suite, and tells observers of
  // each that changed. Cheap when nobody wrote: call it whenever the window shows.
  void refresh();

  ObserverID observe(Observer observer);
  void removeObserver(ObserverID id);

  // Appends an enabled custom text entry with a fresh id and no extension yet.
  void addCustomType();
  // Removes every entry with the item's id; built-in entries are never removed.
  void removeCustomType(const NewItem& item);
  // Moves the entries at `fromOffsets` to `toOffset`, counted before the move.
  void moveNewItems(const std::set<std::size_t>& fromOffsets, std::size_t toOffset);

  // Edits of one entry go by its identity, against the list as stored now, so that
  // another writer's reordering never makes them change another entry. An entry that
  // is gone meanwhile is left gone.
  // Puts `edited` in place of the New entry with its id.
  void updateNewItem(const NewItem& edited);
  // Replaces the template of the text entry with this id, keeping its executable flag.
  void setTemplate(std::string text, const std::string& id);
  void setSendToEnabled(SendToAction action, bool enabled);
  void setOpenWithEnabled(const std::string& bundleID, bool enabled);
  // Removes every Open with entry of the application.
  void removeApp(const std::string& bundleID);
  // Appends the application at `location` unless listed already. Throws NotAnApp.
  void addApp(const std::filesystem::path& location);

 private:
  using Snapshot = SettingsStore::Snapshot;

  template <class T>
  void assign(T Snapshot::*field, T value, Property property);
  // Edits the entries `matches` picks in the list as stored now; stores it when `edit` changed one.
  template <class T, class Matches, class Edit>
  void editEntries(T Snapshot::*field, Property property, Matches matches, Edit edit);
  void write(Property property, const Snapshot& values);
  // What the store holds at the start, key by key when one consistent read fails.
  Snapshot read() const;
  void notify(Property property);

  SettingsStore store_;
  std::shared_ptr<const platform::ApplicationBundles> bundles_;
  Snapshot current_;
  // What the store held when this model last read or wrote it, and its change count then.
  Snapshot stored_;
  std::uint64_t storedChanges_ = 0;
  std::map<ObserverID, Observer> observers_;
  ObserverID nextObserver_ = 1;
};

}  // namespace nimbra
