#pragma once
// The host services of an extension inside a GObject file manager: what every one
// of them knows from the provider calls, and what each adds (beep, launch context,
// rename). Main thread only, like every provider call.

#include <gio/gio.h>

#include <filesystem>
#include <vector>

#include "nimbra/extension/HostServices.h"
#include "nimbra/platform/linux/GioSupport.h"

namespace nimbra::hosts {

class HostSession : public extension::HostServices {
 public:
  // The items a provider was last asked about.
  void selectionChanged(std::vector<std::filesystem::path> items) { selection_ = std::move(items); }
  // The display's context for launching an application from a pick; nothing without a display.
  virtual platform::GObjectPtr<GAppLaunchContext> launchContext() const = 0;

  // Current where the file manager asks on every selection change (Nautilus, Nemo, Caja).
  std::vector<std::filesystem::path> selectedItems() override { return selection_; }

 private:
  std::vector<std::filesystem::path> selection_;
};

}  // namespace nimbra::hosts
