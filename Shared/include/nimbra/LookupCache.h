#pragma once
// A time-limited answer cache shared between threads. Entries are fresh while
// younger than the lifetime (a negative age, from a clock that went back, is
// fresh); stale entries stay until their key is looked up again. The lock guards
// the map and is never held while an answer is computed.
//
// Given a background runner, a caller never waits for an answer: a stale entry
// answers (a missing one the caller's "unknown") while the key is refreshed in the
// background, all keys waiting at that moment in one piece of work. Without one,
// the caller computes a stale or missing answer itself, and two threads missing
// the same key both compute (the later wins).

#include <chrono>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace nimbra {

class LookupClock {
 public:
  using TimePoint = std::chrono::system_clock::time_point;
  using Now = std::function<TimePoint()>;
  static Now system() {
    return [] { return std::chrono::system_clock::now(); };
  }
};

struct LookupOptions {
  std::chrono::duration<double> lifetime = std::chrono::seconds(60);
  LookupClock::Now now = LookupClock::system();
  // Runs work off the caller's thread, e.g. on a scheduler's background queue.
  std::function<void(std::function<void()>)> background;
};

// Keys are strings (bundle identifiers, type identifiers), looked up without copying.
// With a background runner the cache must be owned by a shared_ptr.
template <class Value>
class LookupCache : public std::enable_shared_from_this<LookupCache<Value>> {
 public:
  using TimePoint = LookupClock::TimePoint;
  // Computes the answer for a key; called from any thread, never under the lock.
  using Compute = std::function<Value(std::string_view key)>;

  explicit LookupCache(Compute compute, LookupOptions options = {})
      : compute_(std::move(compute)), options_(std::move(options)) {}

  // The answer for `key`, as of the time the lookup began.
  Value value(std::string_view key, Value unknown = Value{}) {
    const auto t = options_.now();
    if (!options_.background) {
      if (auto cached = lookup(key, t)) return std::move(*cached);
      Value answer = compute_(key);
      insert(key, answer, t);
      return answer;
    }
    Value answer = std::move(unknown);
    bool startDraining = false;
    {
      std::lock_guard lock(mutex_);
      auto& found = entry(key);
      if (found.value) {
        if (isFresh(found, t)) return *found.value;
        answer = *found.value;
      }
      if (!found.refreshing) {
        found.refreshing = true;
        pending_.emplace_back(std::string(key), t);
        startDraining = !std::exchange(draining_, true);
      }
    }
    if (startDraining) scheduleDrain();
    return answer;
  }

 private:
  // The stored value when an entry exists and is fresh at `at`.
  std::optional<Value> lookup(std::string_view key, TimePoint at) const {
    std::lock_guard lock(mutex_);
    const auto it = entries_.find(key);
    if (it == entries_.end() || !isFresh(it->second, at)) return std::nullopt;
    return it->second.value;
  }

  struct Entry {
    std::optional<Value> value;
    TimePoint stored;
    bool refreshing = false;
  };
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
  };

  bool isFresh(const Entry& e, TimePoint at) const { return e.value && at - e.stored < options_.lifetime; }

  // The entry for `key`, made empty when missing. Lock held.
  Entry& entry(std::string_view key) {
    auto it = entries_.find(key);
    if (it == entries_.end()) it = entries_.emplace(std::string(key), Entry{}).first;
    return it->second;
  }

  void insert(std::string_view key, Value value, TimePoint stored) {
    std::lock_guard lock(mutex_);
    entry(key) = Entry{std::move(value), stored, false};
  }

  void scheduleDrain() {
    try {
      options_.background([cache = this->weak_from_this()] {
        if (const auto self = cache.lock()) self->drain();
      });
    } catch (...) {
      std::lock_guard lock(mutex_);
      for (const auto& [key, t] : pending_) entry(key).refreshing = false;
      pending_.clear();
      draining_ = false;
      throw;
    }
  }

  // Refreshes every waiting key, including those that come while it runs. The
  // first failure is passed on once the rest is done; its key may be tried again.
  void drain() {
    std::exception_ptr failure;
    for (;;) {
      std::vector<std::pair<std::string, TimePoint>> work;
      {
        std::lock_guard lock(mutex_);
        if (pending_.empty()) {
          draining_ = false;
          break;
        }
        work.swap(pending_);
      }
      for (const auto& [key, t] : work) {
        try {
          insert(key, compute_(key), t);
        } catch (...) {
          if (!failure) failure = std::current_exception();
          std::lock_guard lock(mutex_);
          entry(key).refreshing = false;
        }
      }
    }
    if (failure) std::rethrow_exception(failure);
  }

  const Compute compute_;
  const LookupOptions options_;
  mutable std::mutex mutex_;
  std::unordered_map<std::string, Entry, Hash, std::equal_to<>> entries_;
  std::vector<std::pair<std::string, TimePoint>> pending_;
  bool draining_ = false;
};

}  // namespace nimbra
