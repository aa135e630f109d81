#pragma once
// A time-limited answer cache shared between threads. Entries are fresh while
// younger than the lifetime (a negative age, from a clock that went back, is
// fresh); stale entries stay until their key is looked up again. The lock guards
// one map access at a time and is never held while an answer is computed.
//
// Given a background runner, a caller never waits for an answer: a stale entry
// answers (a missing one the caller's "unknown") while one refresh of the key runs
// in the background. Without one, the caller computes a stale or missing answer
// itself, and two threads missing the same key both compute (the later wins).

#include <chrono>
#include <functional>
#include <memory>
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
// With a background runner the cache must be owned by a shared_ptr.
template <class Value>
class LookupCache : public std::enable_shared_from_this<LookupCache<Value>> {
 public:
  using TimePoint = LookupClock::TimePoint;
  // Runs work off the caller's thread, e.g. on a scheduler's background queue.
  using Runner = std::function<void(std::function<void()>)>;

  explicit LookupCache(std::chrono::duration<double> lifetime = std::chrono::seconds(60),
                       LookupClock::Now now = LookupClock::system(), Runner background = {})
      : lifetime_(lifetime), now_(std::move(now)), background_(std::move(background)) {}

  TimePoint now() const { return now_(); }

  // The stored value when an entry exists and is fresh at `at`.
  std::optional<Value> lookup(std::string_view key, TimePoint at) const {
    std::lock_guard lock(mutex_);
    const auto it = entries_.find(key);
    if (it == entries_.end() || !isFresh(it->second, at)) return std::nullopt;
    return it->second.value;
  }

  // Stores the answer and ends a refresh of the key.
  void insert(std::string_view key, Value value, TimePoint stored) {
    std::lock_guard lock(mutex_);
    entry(key) = Entry{std::move(value), stored, false};
  }

  // The answer for `key`; `compute(key)` answers as of the time the lookup began.
  // A background refresh runs a copy of `compute`: it must hold what it uses by value.
  template <class Compute>
  Value value(std::string_view key, Compute compute, Value unknown = Value{}) {
    const auto t = now();
    if (!background_) {
      if (auto cached = lookup(key, t)) return std::move(*cached);
      Value answer = compute(key);
      insert(key, answer, t);
      return answer;
    }
    Value answer = std::move(unknown);
    {
      std::lock_guard lock(mutex_);
      auto& found = entry(key);
      if (found.value) {
        if (isFresh(found, t)) return *found.value;
        answer = *found.value;
      }
      if (found.refreshing) return answer;
      found.refreshing = true;
    }
    try {
      background_([cache = this->weak_from_this(), key = std::string(key), compute = std::move(compute), t]() mutable {
        const auto self = cache.lock();
        if (!self) return;
        try {
          self->insert(key, compute(key), t);
        } catch (...) {
          self->endRefresh(key);
          throw;
        }
      });
    } catch (...) {
      endRefresh(key);
      throw;
    }
    return answer;
  }

  // How many keys have an answer.
  std::size_t size() const {
    std::lock_guard lock(mutex_);
    std::size_t answered = 0;
    for (const auto& [key, e] : entries_) answered += e.value.has_value();
    return answered;
  }

 private:
  struct Entry {
    std::optional<Value> value;
    TimePoint stored;
    bool refreshing = false;
  };
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
  };

  bool isFresh(const Entry& e, TimePoint at) const { return e.value && at - e.stored < lifetime_; }

  // The entry for `key`, made empty when missing. Lock held.
  Entry& entry(std::string_view key) {
    auto it = entries_.find(key);
    if (it == entries_.end()) it = entries_.emplace(std::string(key), Entry{}).first;
    return it->second;
  }

  void endRefresh(std::string_view key) {
    std::lock_guard lock(mutex_);
    entry(key).refreshing = false;
  }

  std::chrono::duration<double> lifetime_;
  LookupClock::Now now_;
  Runner background_;
  mutable std::mutex mutex_;
  std::unordered_map<std::string, Entry, Hash, std::equal_to<>> entries_;
};

}  // namespace nimbra
