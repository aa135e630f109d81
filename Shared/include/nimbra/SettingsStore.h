#pragma once
// The only way either process reads or writes the shared settings. It keeps
// no copy of any value: every read goes to the suite and sees what the other
// process last wrote. Copies share the suite; any thread may use them.

#include <cstdint>
#include <exception>
#include <string>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "nimbra/NewItem.h"
#include "nimbra/OpenWithEntry.h"
#include "nimbra/SendTo.h"
#include "nimbra/platform/DefaultsSuite.h"

namespace nimbra {

// Every key of the shared suite.
namespace settingsKey {
inline constexpr std::string_view newItems = "newItems";
inline constexpr std::string_view sendTo = "sendTo";
inline constexpr std::string_view openWith = "openWith";
inline constexpr std::string_view groupNewItems = "groupNewItems";
inline constexpr std::string_view showUnopenableTypes = "showUnopenableTypes";
inline constexpr std::string_view renameNewItems = "renameNewItems";
inline constexpr std::string_view schemaVersion = "schemaVersion";
inline constexpr std::string_view pendingTransferItems = "pendingTransferItems";
inline constexpr std::string_view pendingAliasFolder = "pendingAliasFolder";
inline constexpr std::string_view pendingOpenPreferences = "pendingOpenPreferences";
}  // namespace settingsKey

class SettingsStore {
 public:
  static constexpr std::int64_t currentSchemaVersion = 1;

  // The suite did not store a value; the key keeps what it held. `reason` is the
  // system's code (no space, read-only, busy).
  struct WriteFailed : std::exception {
    std::string key;
    std::error_code reason;

    WriteFailed(std::string k, std::error_code r);
    const char* what() const noexcept override { return description_.c_str(); }
    bool operator==(const WriteFailed& other) const { return key == other.key && reason == other.reason; }

   private:
    std::string description_;
  };

  // The three lists and three switches, complete, as of one read of the suite.
  struct Snapshot {
    std::vector<NewItem> newItems;
    std::vector<SendToEntry> sendTo;
    std::vector<OpenWithEntry> openWith;
    bool groupNewItems = true;
    bool showUnopenableTypes = false;
    bool renameNewItems = true;
    bool operator==(const Snapshot&) const = default;
  };

  // Registers the switches' defaults and marks the schema version when the
  // suite has no mark yet. `defaults` must not be null.
  explicit SettingsStore(std::shared_ptr<platform::DefaultsSuite> defaults);

  platform::DefaultsSuite& defaults() const { return *defaults_; }

  // The complete lists. An unreadable stored list counts as absent; repairs
  // live only in the returned value, nothing is written back.
  std::vector<NewItem> newItems() const;
  std::vector<SendToEntry> sendTo() const;
  std::vector<OpenWithEntry> openWith() const;
  // Everything the menus and the preferences read, in one read of the suite;
  // nothing when the suite could not be read at all (busy, say).
  std::optional<Snapshot> snapshot() const;

  // Stores a list as JSON data under its key. Every write throws WriteFailed when
  // the suite does not store it.
  void save(const std::vector<NewItem>& items);
  void save(const std::vector<SendToEntry>& entries);
  void save(const std::vector<OpenWithEntry>& entries);

  // The key's boolean value; the registered default when absent.
  bool boolForKey(std::string_view key) const;
  void setBool(std::string_view key, bool value);

  // Empty when absent or not an array of strings; writing an empty list removes the key.
  std::vector<std::filesystem::path> pendingTransferItems() const;
  void setPendingTransferItems(const std::vector<std::filesystem::path>& items);
  // Writing nothing removes the key.
  std::optional<std::filesystem::path> pendingAliasFolder() const;
  void setPendingAliasFolder(const std::optional<std::filesystem::path>& folder);

 private:
  void write(std::string_view key, const std::optional<platform::DefaultsValue>& value);

  std::shared_ptr<platform::DefaultsSuite> defaults_;
};

}  // namespace nimbra
