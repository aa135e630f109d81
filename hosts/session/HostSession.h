#pragma once
// The host services of an extension inside a file manager: what every one of them
// knows from the provider calls, and what each adds (beep, launch context,
// rename, the bus). Main thread only, like every provider call.

#include <gio/gio.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "BusAnnouncement.h"
#include "nimbra/extension/HostServices.h"
#include "nimbra/platform/FileManager.h"
#include "nimbra/platform/Scheduler.h"
#include "nimbra/platform/linux/GioSupport.h"

namespace nimbra::hosts {

class HostSession : public extension::HostServices {
 public:
  // The items a provider was last asked about, and the window that asked where the
  // API says (GTK 3 hosts).
  virtual void selectionChanged(std::vector<std::filesystem::path> items, GObject* window) {
    (void)window;
    selection_ = std::move(items);
  }
  // The display's context for launching an application from a pick; nothing without a display.
  virtual platform::GObjectPtr<GAppLaunchContext> launchContext() const = 0;
  // Where picks reveal their items: the desktop's file manager, unless the host
  // knows a better way into itself.
  virtual std::shared_ptr<platform::FileManager> fileManager(std::shared_ptr<platform::FileManager> desktops,
                                                             std::shared_ptr<platform::Scheduler>) {
    return desktops;
  }
  // How the extension says on the bus that it is on: a GDBus connection of its own,
  // unless the host has a bus connection to lend.
  virtual std::shared_ptr<BusAnnouncement> announcement(std::shared_ptr<platform::Scheduler> scheduler) {
    return gdbusAnnouncement(std::move(scheduler));
  }

  // Current where the file manager asks on every selection change (Nautilus, Caja).
  std::vector<std::filesystem::path> selectedItems() override { return selection_; }

 private:
  std::vector<std::filesystem::path> selection_;
};

}  // namespace nimbra::hosts
