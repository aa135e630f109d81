#pragma once
// A time-limited answer cache shared between threads. Entries are fresh while
// younger than the lifetime (a negative age, from a clock that went back, is
// fresh); stale entries stay until their key is looked up and replaced. The
// lock guards one map access at a time and is never held while an answer is
// computed, so two threads missing the same key both compute and the later wins.

#include <chrono>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace nimbra {

class LookupClock {
 public:
  using TimePoint = std::chrono::system_clock::time_point;
  using Now = std::function<TimePoint()>;
  static Now system() {
    return [] { return std::chrono::system_clock::now(); };
  }
};

// Keys are strings (bundle identifiers, type identifiers), looked up without copying.
template <class Value>
class LookupCache {
 public:
  using TimePoint = LookupClock::TimePoint;

  explicit LookupCache(std::chrono::duration<double> lifetime = std::chrono::seconds(60),
                       LookupClock::Now now = LookupClock::system())
      : lifetime_(lifetime), now_(std::move(now)) {}

  TimePoint now() const { return now_(); }

  // The stored value when an entry exists and is fresh at `at`.
  std::optional<Value> lookup(std::string_view key, TimePoint at) const {
    std::lock_guard lock(mutex_);
    const auto it = entries_.find(key);
    if (it == entries_.end() || at - it->second.stored >= lifetime_) return std::nullopt;
    return it->second.value;
  }

  void insert(std::string_view key, Value value, TimePoint stored) {
    std::lock_guard lock(mutex_);
    auto it = entries_.find(key);
    if (it == entries_.end()) it = entries_.emplace(std::string(key), Entry{std::move(value), stored}).first;
    else it->second = Entry{std::move(value), stored};
  }

  // The cached answer, or `compute(key)` stored as of the time the lookup began.
  template <class Compute>
  Value value(std::string_view key, Compute compute) {
    const auto t = now();
    if (auto cached = lookup(key, t)) return std::move(*cached);
    Value answer = compute(key);
    insert(key, answer, t);
    return answer;
  }

  std::size_t size() const {
    std::lock_guard lock(mutex_);
    return entries_.size();
  }

 private:
  struct Entry {
    Value value;
    TimePoint stored;
  };
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
  };

  std::chrono::duration<double> lifetime_;
  LookupClock::Now now_;
  mutable std::mutex mutex_;
  std::unordered_map<std::string, Entry, Hash, std::equal_to<>> entries_;
};

}  // namespace nimbra
