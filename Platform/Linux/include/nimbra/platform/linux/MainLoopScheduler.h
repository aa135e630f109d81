#pragma once
// Work on the default GLib main context and on a shared pool of threads.

#include <memory>

#include "nimbra/platform/Scheduler.h"
#include "nimbra/platform/SystemLog.h"

namespace nimbra::platform {

// Tracks the work it was given so a command-line host can run the loop until
// all of it has ended.
class MainLoopScheduler : public Scheduler {
 public:
  // Runs the default main context until no scheduled work is left: pending
  // timers, background work and what any of it scheduled. Main thread only.
  virtual void runUntilIdle() = 0;
};

// The process's one scheduler (the same object on every call). Work that throws
// is logged to the journal and does not stop the loop.
std::shared_ptr<MainLoopScheduler> mainLoopScheduler();

// A scheduler of its own. Work that throws is logged to `log` at error level.
// Destroying it waits for its background work; its main-loop work stays queued
// on the default context.
std::shared_ptr<MainLoopScheduler> mainLoopScheduler(std::shared_ptr<SystemLog> log);

}  // namespace nimbra::platform
