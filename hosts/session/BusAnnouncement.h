#pragma once
// Owns "ai.corvane.nimbra.Extension" on the session bus while set on, so that the
// companion app sees the file manager has the menus loaded and switched on. Never
// waits. Main thread.

#include <memory>

#include "nimbra/platform/Scheduler.h"

namespace nimbra::hosts {

class BusAnnouncement {
 public:
  virtual ~BusAnnouncement() = default;
  virtual void set(bool on) = 0;
};

// On a GDBus connection of its own, made in the background.
std::shared_ptr<BusAnnouncement> gdbusAnnouncement(std::shared_ptr<platform::Scheduler> scheduler);

}  // namespace nimbra::hosts
