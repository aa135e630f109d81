#pragma once
// What Nautilus offers a pick, found in the running process: its display's beep and
// launch context, its windows and the rename of its view. GTK is looked up at run
// time (Nautilus has it loaded), so the module links no GTK of its own; without one
// (a test loading the module) there is no beep, no launch context and no rename.

#include <filesystem>
#include <vector>

#include "nimbra/extension/HostServices.h"
#include "nimbra/platform/linux/GioSupport.h"

namespace nimbra::nautilus {

class NautilusHost final : public extension::HostServices {
 public:
  NautilusHost();

  void beep() override;
  // Renaming goes through the view's own "rename" action, which needs GTK.
  bool mayPressKeys() override;
  void askToPressKeys() override {}
  bool fileManagerIsFrontmost() override;
  std::vector<std::filesystem::path> selectedItems() override { return selection_; }
  void pressRename() override;
  // The display's context for launching an application from a pick (a startup id on
  // X11, an activation token on Wayland); nothing without GTK. Main thread.
  platform::GObjectPtr<GAppLaunchContext> launchContext() const;

  // The provider is asked for items on every selection change: the last selection
  // it saw is Nautilus's current one. Main thread only, like every call here.
  void selectionChanged(std::vector<std::filesystem::path> items) { selection_ = std::move(items); }

 private:
  struct Gtk;
  void* activeWindow() const;

  const Gtk* gtk_;  // nothing without GTK in the process
  std::vector<std::filesystem::path> selection_;
};

}  // namespace nimbra::nautilus
