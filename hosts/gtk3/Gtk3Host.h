#pragma once
// What a GTK 3 file manager (Nemo, Caja, Thunar) offers a pick: its display's beep
// and launch context. Their views cannot be reached from an extension, so no
// rename is pressed there; a host with a rename call of its own adds it.

#include "HostSession.h"

namespace nimbra::hosts {

class Gtk3Host : public HostSession {
 public:
  void beep() override;
  platform::GObjectPtr<GAppLaunchContext> launchContext() const override;
  bool mayPressKeys() override { return false; }
  void askToPressKeys() override {}
  bool fileManagerIsFrontmost() override { return false; }
  void pressRename() override {}
};

}  // namespace nimbra::hosts
