#pragma once
// A scheduler whose work runs only when the test says, on the test's thread,
// against a clock of its own that moves only to the next due timer.

#include <algorithm>
#include <deque>
#include <map>
#include <stdexcept>
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
    // Timers due at the same time run in the order they were set.
    timers_.emplace(now_ + std::max(delay, Milliseconds(0)), std::move(work));
  }
  void inBackground(Work work) override { background_.push_back(std::move(work)); }

  // Main-loop work, including what it queues, until none is left; how many ran.
  int runMain() { return drain(main_); }
  // Background work, including what it queues in the background; how many ran.
  int runBackground() { return drain(background_); }
  // Moves the clock to the earliest timer and runs it; false when none is set.
  bool fireNextTimer() {
    if (timers_.empty()) return false;
    auto timer = timers_.extract(timers_.begin());
    now_ = timer.key();
    timer.mapped()();
    return true;
  }

  // Everything, as a main loop would: main work first, then background work, then
  // timers in due order, until nothing is left. Throws on work that never ends.
  void runAll() {
    for (int ran = 0; runNext(main_) || runNext(background_) || fireNextTimer(); ++ran) {
      if (ran > 10'000) throw std::runtime_error("ManualScheduler: work never ends");
    }
  }

  std::size_t pendingMain() const { return main_.size(); }
  std::size_t pendingBackground() const { return background_.size(); }
  std::size_t pendingTimers() const { return timers_.size(); }

 private:
  static bool runNext(std::deque<Work>& queue) {
    if (queue.empty()) return false;
    Work work = std::move(queue.front());
    queue.pop_front();
    work();
    return true;
  }
  static int drain(std::deque<Work>& queue) {
    int ran = 0;
    while (runNext(queue)) ++ran;
    return ran;
  }

  std::deque<Work> main_;
  std::deque<Work> background_;
  std::multimap<Milliseconds, Work> timers_;
  Milliseconds now_{0};
};

}  // namespace nimbra::testing
