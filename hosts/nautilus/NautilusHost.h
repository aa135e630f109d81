#pragma once
// What Nautilus offers a pick, found in the running process: its display's beep and
// launch context, its windows and the rename of its view. GTK is looked up at run
// time (Nautilus has it loaded), so the module links no GTK of its own; without one
// (a test loading the module) there is no beep, no launch context and no rename.

#include "HostSession.h"

namespace nimbra::nautilus {

class NautilusHost final : public hosts::HostSession {
 public:
  NautilusHost();

  void beep() override;
  // Renaming goes through the view's own "rename" action, which needs GTK.
  bool mayPressKeys() override;
  void askToPressKeys() override {}
  bool fileManagerIsFrontmost() override;
  void pressRename() override;
  // A startup id on X11, an activation token on Wayland; nothing without GTK.
  platform::GObjectPtr<GAppLaunchContext> launchContext() const override;

 private:
  struct Gtk;
  void* activeWindow() const;

  const Gtk* gtk_;  // nothing without GTK in the process
};

}  // namespace nimbra::nautilus
