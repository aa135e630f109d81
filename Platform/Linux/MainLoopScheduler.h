#pragma once
// Work on the default GLib main context and on a shared pool of threads.

#include <memory>

#include "nimbra/platform/Scheduler.h"
#include "nimbra/platform/SystemLog.h"

namespace nimbra::platform {

// A scheduler of its own (mainLoopScheduler() is the process-wide one). Work
// that throws is logged to `log` at error level. Destroying it waits for its
// background work; its main-loop work stays queued on the default context.
std::shared_ptr<MainLoopScheduler> mainLoopScheduler(std::shared_ptr<SystemLog> log);

}  // namespace nimbra::platform
