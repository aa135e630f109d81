#pragma once
// A scheduler whose work runs only when the test says, on the test's thread,
// against a clock of its own that moves only to the next due timer.

#include <algorithm>
#include <cstddef>
#include <deque>
#include <stdexcept>
#include <utility>
#include <vector>

#include "nimbra/platform/Scheduler.h"

namespace nimbra::testing {

class ManualScheduler final : public platform::Scheduler {
 public:
  using Milliseconds = std::chrono::milliseconds;

  // Every delay asked for, in order.
  std::vector<Milliseconds> delays;

  void onMain(Work work) override { main_.push_back(std::move(work)); }
  void afterDelay(Milliseconds delay, Work work) override {
    delays.push_back(delay);
    timers_.push_back({now_ + std::max(delay, Milliseconds(0)), nextTimer_++, std::move(work)});
  }
  void inBackground(Work work) override { background_.push_back(std::move(work)); }

  // Main-loop work, including what it queues, until none is left; how many ran.
  int runMain() { return drain(main_); }
  // Background work, including what it queues in the background; how many ran.
  int runBackground() { return drain(background_); }
  // Moves the clock to the earliest timer and runs it; false when none is set.
  bool fireNextTimer() {
    if (timers_.empty()) return false;
    const auto next = std::min_element(timers_.begin(), timers_.end());
    Timer timer = std::move(*next);
    timers_.erase(next);
    now_ = timer.due;
    timer.work();
    return true;
  }

  // Everything, as a main loop would: main work first, then background work,
  // then timers in due order, until nothing is left. Throws past `limit` jobs
  // (work that keeps scheduling itself).
  int runAll(int limit = 10'000) {
    int ran = 0;
    for (;; ++ran) {
      if (ran > limit) throw std::runtime_error("ManualScheduler: work never ends");
      if (!main_.empty()) {
        runFront(main_);
      } else if (!background_.empty()) {
        runFront(background_);
      } else if (!fireNextTimer()) {
        return ran;
      }
    }
  }
  std::size_t pendingMain() const { return main_.size(); }
  std::size_t pendingBackground() const { return background_.size(); }
  std::size_t pendingTimers() const { return timers_.size(); }

 private:
  struct Timer {
    Milliseconds due;
    long order;
    Work work;
    bool operator<(const Timer& other) const { return std::pair(due, order) < std::pair(other.due, other.order); }
  };

  static void runFront(std::deque<Work>& queue) {
    Work work = std::move(queue.front());
    queue.pop_front();
    work();
  }
  static int drain(std::deque<Work>& queue) {
    int ran = 0;
    for (; !queue.empty(); ++ran) runFront(queue);
    return ran;
  }

  std::deque<Work> main_;
  std::deque<Work> background_;
  std::vector<Timer> timers_;
  Milliseconds now_{0};
  long nextTimer_ = 0;
};

}  // namespace nimbra::testing
