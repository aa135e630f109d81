#pragma once
// Where work runs: the host's main loop, or a background thread that reports back to it.

#include <chrono>
#include <functional>
#include <memory>

namespace nimbra::platform {

class Scheduler {
 public:
  using Work = std::function<void()>;
  virtual ~Scheduler() = default;
  // On the main loop, on a later turn.
  virtual void onMain(Work work) = 0;
  // On the main loop, after `delay`.
  virtual void afterDelay(std::chrono::milliseconds delay, Work work) = 0;
  // Off the main loop; the work posts its results back with onMain.
  virtual void inBackground(Work work) = 0;
};

// The default GLib main context. Tracks the work it was given so a
// command-line host can run the loop until all of it has ended.
class MainLoopScheduler : public Scheduler {
 public:
  // Runs the default main context until no scheduled work is left: pending
  // timers, background work and what any of it scheduled. Main thread only.
  virtual void runUntilIdle() = 0;
};

// The process's one scheduler (the same object on every call). Work that throws
// is logged to the journal and does not stop the loop.
std::shared_ptr<MainLoopScheduler> mainLoopScheduler();

}  // namespace nimbra::platform
