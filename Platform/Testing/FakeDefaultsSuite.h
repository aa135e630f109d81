#pragma once
// An in-memory defaults suite that records every write.

#include <cerrno>

#include "nimbra/platform/DefaultsSuite.h"
#include "nimbra/platform/Failure.h"

namespace nimbra::testing {

class FakeDefaultsSuite final : public platform::DefaultsSuite {
 public:
  Domain stored;
  Domain registered;
  // The key of every write, in order.
  std::vector<std::string> writes;
  mutable int reads = 0;
  std::uint64_t changes = 0;

  std::optional<platform::DefaultsValue> value(std::string_view key) const override {
    ++reads;
    if (unreadable) return std::nullopt;
    if (const auto it = stored.find(key); it != stored.end()) return it->second;
    if (const auto it = registered.find(key); it != registered.end()) return it->second;
    return std::nullopt;
  }
  void setValue(std::string_view key, const std::optional<platform::DefaultsValue>& value) override {
    if (readOnly) platform::fail(platform::Operation::storeSetting, EROFS, "defaults.sqlite");
    writes.emplace_back(key);
    ++changes;
    if (value) {
      stored.insert_or_assign(std::string(key), *value);
    } else if (const auto it = stored.find(key); it != stored.end()) {
      stored.erase(it);
    }
  }
  void registerDefaults(const Domain& values) override {
    for (const auto& [key, value] : values) registered.insert_or_assign(key, value);
  }
  // Set to make reads fail, as a busy suite does.
  bool unreadable = false;
  // Set to make writes fail.
  bool readOnly = false;

  std::optional<Domain> persistentDomain() const override {
    ++reads;
    if (unreadable) return std::nullopt;
    return stored;
  }
  std::uint64_t changeCount() const override { return changes; }
};

}  // namespace nimbra::testing
