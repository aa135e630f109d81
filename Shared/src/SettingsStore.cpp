#include "nimbra/SettingsStore.h"

#include <algorithm>
#include <cctype>

#include "nimbra/JsonCoding.h"
#include "nimbra/platform/Failure.h"

namespace nimbra {
namespace {

using platform::DefaultsData;
using platform::DefaultsValue;

// The stored list, or nothing when absent, not data, or not decodable.
template <class Decode>
auto storedList(const std::optional<DefaultsValue>& value, Decode decode) -> std::optional<decltype(decode(std::string_view()))> {
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

std::vector<NewItem> newItemsFrom(const std::optional<DefaultsValue>& value) {
  auto stored = storedList(value, decodeNewItems);
  return stored ? repairNewItems(std::move(*stored)) : NewItem::builtIns();
}

std::vector<SendToEntry> sendToFrom(const std::optional<DefaultsValue>& value) {
  auto stored = storedList(value, decodeSendTo);
  return repairSendTo(stored ? std::move(*stored) : std::vector<SendToEntry>{});
}

std::vector<OpenWithEntry> openWithFrom(const std::optional<DefaultsValue>& value) {
  auto stored = storedList(value, decodeOpenWith);
  return stored ? std::move(*stored) : OpenWithEntry::defaults();
}

// The switches and the defaults registered for them.
constexpr std::pair<std::string_view, bool> kSwitches[] = {
    {settingsKey::groupNewItems, true},
    {settingsKey::showUnopenableTypes, false},
    {settingsKey::renameNewItems, true},
};

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

SettingsStore::WriteFailed::WriteFailed(std::string k, std::error_code r)
    : key(std::move(k)), reason(r), description_("cannot store \"" + key + "\": " + reason.message()) {}

SettingsStore::SettingsStore(std::shared_ptr<platform::DefaultsSuite> defaults) : defaults_(std::move(defaults)) {
  platform::DefaultsSuite::Domain registered;
  for (const auto& [key, value] : kSwitches) registered.emplace(key, value);
  defaults_->registerDefaults(registered);
  if (defaults_->value(settingsKey::schemaVersion)) return;
  try {
    defaults_->setValue(settingsKey::schemaVersion, currentSchemaVersion);
  } catch (const platform::Failure&) {
    // Stored by a later opening.
  }
}

std::vector<NewItem> SettingsStore::newItems() const { return newItemsFrom(defaults_->value(settingsKey::newItems)); }
std::vector<SendToEntry> SettingsStore::sendTo() const { return sendToFrom(defaults_->value(settingsKey::sendTo)); }
std::vector<OpenWithEntry> SettingsStore::openWith() const { return openWithFrom(defaults_->value(settingsKey::openWith)); }

std::optional<SettingsStore::Snapshot> SettingsStore::snapshot() const {
  const auto domain = defaults_->persistentDomain();
  if (!domain) return std::nullopt;
  const auto stored = [&](std::string_view key) -> std::optional<DefaultsValue> {
    const auto it = domain->find(key);
    if (it == domain->end()) return std::nullopt;
    return it->second;
  };
  const auto switchValue = [&](std::string_view key) {
    if (const auto value = stored(key)) return truthy(*value);
    for (const auto& [name, fallback] : kSwitches) {
      if (name == key) return fallback;
    }
    return false;
  };
  return Snapshot{newItemsFrom(stored(settingsKey::newItems)),
                  sendToFrom(stored(settingsKey::sendTo)),
                  openWithFrom(stored(settingsKey::openWith)),
                  switchValue(settingsKey::groupNewItems),
                  switchValue(settingsKey::showUnopenableTypes),
                  switchValue(settingsKey::renameNewItems)};
}

void SettingsStore::write(std::string_view key, const std::optional<DefaultsValue>& value) {
  try {
    defaults_->setValue(key, value);
  } catch (const platform::Failure& failure) {
    throw WriteFailed(std::string(key), failure.code());
  }
}

void SettingsStore::save(const std::vector<NewItem>& items) {
  write(settingsKey::newItems, DefaultsData{encodeNewItems(items)});
}

void SettingsStore::save(const std::vector<SendToEntry>& entries) {
  write(settingsKey::sendTo, DefaultsData{encodeSendTo(entries)});
}

void SettingsStore::save(const std::vector<OpenWithEntry>& entries) {
  write(settingsKey::openWith, DefaultsData{encodeOpenWith(entries)});
}

bool SettingsStore::boolForKey(std::string_view key) const {
  const auto value = defaults_->value(key);
  return value && truthy(*value);
}

void SettingsStore::setBool(std::string_view key, bool value) { write(key, value); }

std::vector<std::filesystem::path> SettingsStore::pendingTransferItems() const {
  const auto value = defaults_->value(settingsKey::pendingTransferItems);
  const auto* paths = value ? std::get_if<std::vector<std::string>>(&*value) : nullptr;
  if (!paths) return {};
  return {paths->begin(), paths->end()};
}

void SettingsStore::setPendingTransferItems(const std::vector<std::filesystem::path>& items) {
  if (items.empty()) return write(settingsKey::pendingTransferItems, std::nullopt);
  std::vector<std::string> paths;
  paths.reserve(items.size());
  for (const auto& item : items) paths.push_back(item.string());
  write(settingsKey::pendingTransferItems, std::move(paths));
}

std::optional<std::filesystem::path> SettingsStore::pendingAliasFolder() const {
  const auto value = defaults_->value(settingsKey::pendingAliasFolder);
  const auto* folder = value ? std::get_if<std::string>(&*value) : nullptr;
  if (!folder) return std::nullopt;
  return std::filesystem::path(*folder);
}

void SettingsStore::setPendingAliasFolder(const std::optional<std::filesystem::path>& folder) {
  if (!folder) return write(settingsKey::pendingAliasFolder, std::nullopt);
  write(settingsKey::pendingAliasFolder, folder->string());
}

}  // namespace nimbra
