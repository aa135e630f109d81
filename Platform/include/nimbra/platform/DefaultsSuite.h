#pragma once
// The key-value suite both processes share. Values keep their type; a
// registration domain, held in memory per process, answers for absent keys.
// Every read goes to the stored suite, so another process's writes are seen
// by the next read. Safe to use from several threads.

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace nimbra::platform {

// Raw bytes, kept apart from text so each keeps its type.
struct DefaultsData {
  std::string bytes;
  bool operator==(const DefaultsData&) const = default;
};

using DefaultsValue = std::variant<DefaultsData, bool, std::int64_t, std::string, std::vector<std::string>>;

class DefaultsSuite {
 public:
  virtual ~DefaultsSuite() = default;

  // The stored value, else the registered one, else nothing. A read that
  // fails counts as absent.
  virtual std::optional<DefaultsValue> value(std::string_view key) const = 0;
  // Writing nothing removes the key. Atomic per key and durable once it returns;
  // throws platform::Failure when the suite could not store it.
  virtual void setValue(std::string_view key, const std::optional<DefaultsValue>& value) = 0;
  void remove(std::string_view key) { setValue(key, std::nullopt); }

  // Adds to this process's registration domain; never stored.
  virtual void registerDefaults(const std::map<std::string, DefaultsValue, std::less<>>& values) = 0;

  using Domain = std::map<std::string, DefaultsValue, std::less<>>;

  // Every stored key and value, without the registered ones, in one consistent
  // read; nothing when the suite could not be read.
  virtual std::optional<Domain> persistentDomain() const = 0;

  // Differs from the previous call's answer whenever this or another process
  // has written the suite in between. Cheap enough to call on every request.
  virtual std::uint64_t changeCount() const = 0;
};

inline constexpr std::chrono::milliseconds kReadWait{10'000};

// The suite in the application group's shared container. Throws platform::Failure
// when the container cannot be created or opened, or the suite does not open. A
// read waits at most `readWait` for another process's write before it fails; a
// write waits up to ten seconds.
std::shared_ptr<DefaultsSuite> openSharedSuite(std::chrono::milliseconds readWait = kReadWait);

}  // namespace nimbra::platform
