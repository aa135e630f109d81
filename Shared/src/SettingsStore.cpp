#include "nimbra/SettingsStore.h"

#include <algorithm>
#include <cctype>

#include "nimbra/JsonCoding.h"

namespace nimbra {
namespace {

using platform::DefaultsData;
using platform::DefaultsValue;

// The stored list under `key`, or nothing when absent, not data, or not decodable.
template <class Decode>
auto storedList(const platform::DefaultsSuite& suite, std::string_view key, Decode decode)
    -> std::optional<decltype(decode(std::string_view()))> {
  const auto value = suite.value(key);
  const auto* data = value ? std::get_if<DefaultsData>(&*value) : nullptr;
  if (!data) return std::nullopt;
  try {
    return decode(data->bytes);
  } catch (const DecodingError&) {
    return std::nullopt;
  }
}

// Keeps custom entries and built-ins the catalogue still has, as stored; appends
// the catalogue entries the list lacks, switched off.
std::vector<NewItem> repairNewItems(std::vector<NewItem> stored) {
  const auto& catalogue = NewItem::builtIns();
  const auto sameBuiltIn = [](const std::string& id) {
    return [&id](const NewItem& item) { return item.isBuiltIn && item.id == id; };
  };
  std::erase_if(stored, [&](const NewItem& item) {
    return item.isBuiltIn && std::none_of(catalogue.begin(), catalogue.end(), [&](const NewItem& b) { return b.id == item.id; });
  });
  std::vector<NewItem> missing;
  for (const auto& entry : catalogue) {
    if (std::any_of(stored.begin(), stored.end(), sameBuiltIn(entry.id))) continue;
    missing.push_back(entry);
    missing.back().enabled = false;
  }
  stored.insert(stored.end(), std::make_move_iterator(missing.begin()), std::make_move_iterator(missing.end()));
  return stored;
}

// Inserts each missing action, enabled, before the first entry of a later
// action, or at the end. Stored entries are never removed or reordered.
std::vector<SendToEntry> repairSendTo(std::vector<SendToEntry> list) {
  const auto& all = SendToAction::allCases;
  const auto firstOf = [&](SendToAction action) {
    return std::find_if(list.begin(), list.end(), [&](const SendToEntry& e) { return e.action == action; });
  };
  for (auto a = all.begin(); a != all.end(); ++a) {
    if (firstOf(*a) != list.end()) continue;
    auto position = list.end();
    for (auto later = a + 1; later != all.end() && position == list.end(); ++later) position = firstOf(*later);
    list.insert(position, SendToEntry{*a, true});
  }
  return list;
}

bool truthy(const DefaultsValue& value) {
  if (const auto* b = std::get_if<bool>(&value)) return *b;
  if (const auto* i = std::get_if<std::int64_t>(&value)) return *i != 0;
  if (const auto* s = std::get_if<std::string>(&value)) {
    std::string lower(*s);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower == "true" || lower == "yes" || lower == "1";
  }
  return false;
}

}  // namespace

std::optional<SettingsStore> SettingsStore::open(std::shared_ptr<platform::DefaultsSuite> suite) {
  if (!suite) return std::nullopt;
  return SettingsStore(std::move(suite));
}

SettingsStore::SettingsStore(std::shared_ptr<platform::DefaultsSuite> defaults) : defaults_(std::move(defaults)) {
  defaults_->registerDefaults({
      {std::string(settingsKey::groupNewItems), true},
      {std::string(settingsKey::showUnopenableTypes), false},
      {std::string(settingsKey::renameNewItems), true},
  });
  if (!defaults_->value(settingsKey::schemaVersion)) defaults_->setValue(settingsKey::schemaVersion, currentSchemaVersion);
}

std::vector<NewItem> SettingsStore::newItems() const {
  auto stored = storedList(*defaults_, settingsKey::newItems, decodeNewItems);
  return stored ? repairNewItems(std::move(*stored)) : NewItem::builtIns();
}

std::vector<SendToEntry> SettingsStore::sendTo() const {
  auto stored = storedList(*defaults_, settingsKey::sendTo, decodeSendTo);
  return repairSendTo(stored ? std::move(*stored) : std::vector<SendToEntry>{});
}

std::vector<OpenWithEntry> SettingsStore::openWith() const {
  auto stored = storedList(*defaults_, settingsKey::openWith, decodeOpenWith);
  return stored ? std::move(*stored) : OpenWithEntry::defaults();
}

void SettingsStore::save(const std::vector<NewItem>& items) {
  defaults_->setValue(settingsKey::newItems, DefaultsData{encodeNewItems(items)});
}

void SettingsStore::save(const std::vector<SendToEntry>& entries) {
  defaults_->setValue(settingsKey::sendTo, DefaultsData{encodeSendTo(entries)});
}

void SettingsStore::save(const std::vector<OpenWithEntry>& entries) {
  defaults_->setValue(settingsKey::openWith, DefaultsData{encodeOpenWith(entries)});
}

bool SettingsStore::boolForKey(std::string_view key) const {
  const auto value = defaults_->value(key);
  return value && truthy(*value);
}

void SettingsStore::setBool(std::string_view key, bool value) { defaults_->setValue(key, value); }

std::vector<std::filesystem::path> SettingsStore::pendingTransferItems() const {
  const auto value = defaults_->value(settingsKey::pendingTransferItems);
  const auto* paths = value ? std::get_if<std::vector<std::string>>(&*value) : nullptr;
  if (!paths) return {};
  return {paths->begin(), paths->end()};
}

void SettingsStore::setPendingTransferItems(const std::vector<std::filesystem::path>& items) {
  if (items.empty()) {
    defaults_->remove(settingsKey::pendingTransferItems);
    return;
  }
  std::vector<std::string> paths;
  paths.reserve(items.size());
  for (const auto& item : items) paths.push_back(item.string());
  defaults_->setValue(settingsKey::pendingTransferItems, std::move(paths));
}

std::optional<std::filesystem::path> SettingsStore::pendingAliasFolder() const {
  const auto value = defaults_->value(settingsKey::pendingAliasFolder);
  const auto* folder = value ? std::get_if<std::string>(&*value) : nullptr;
  if (!folder) return std::nullopt;
  return std::filesystem::path(*folder);
}

void SettingsStore::setPendingAliasFolder(const std::optional<std::filesystem::path>& folder) {
  if (!folder) {
    defaults_->remove(settingsKey::pendingAliasFolder);
    return;
  }
  defaults_->setValue(settingsKey::pendingAliasFolder, folder->string());
}

}  // namespace nimbra
