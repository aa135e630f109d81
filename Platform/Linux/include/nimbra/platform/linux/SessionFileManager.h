#pragma once
// Revealing items through org.freedesktop.FileManager1.ShowItems.

#include <chrono>
#include <memory>

#include "nimbra/platform/linux/SessionBus.h"
#include "nimbra/platform/FileManager.h"
#include "nimbra/platform/Scheduler.h"
#include "nimbra/platform/SystemLog.h"

namespace nimbra::platform {

// Long enough for the bus to start a file manager that is not running yet.
inline constexpr std::chrono::milliseconds kRevealTimeout{10'000};

// The call runs as background work of `scheduler` and ends with the file manager's
// answer or a timeout, so a MainLoopScheduler's runUntilIdle() waits for it.
std::shared_ptr<FileManager> sessionFileManager(std::shared_ptr<SessionBus> bus, std::shared_ptr<SystemLog> log,
                                                std::shared_ptr<Scheduler> scheduler,
                                                std::chrono::milliseconds timeout = kRevealTimeout);
// The same on the process's shared bus.
std::shared_ptr<FileManager> sessionFileManager(std::shared_ptr<SystemLog> log, std::shared_ptr<Scheduler> scheduler);

}  // namespace nimbra::platform
