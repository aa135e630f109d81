#pragma once
// What a GTK 3 file manager (Nemo, Caja, Thunar) offers a pick: its display's beep
// and launch context, and its rename key. Their views' rename is an action no
// extension API reaches, bound to F2 in the window's accelerators: pressing it
// there renames what that window has selected, so it is pressed only in a file
// manager that asks for items on every selection change (Caja), where the module
// knows the selection is exactly the new item. Thunar renames by a call instead.

#include "HostSession.h"

namespace nimbra::hosts {

class Gtk3Host : public HostSession {
 public:
  explicit Gtk3Host(bool asksOnEverySelection);
  ~Gtk3Host() override;
  Gtk3Host(const Gtk3Host&) = delete;
  Gtk3Host& operator=(const Gtk3Host&) = delete;

  void selectionChanged(std::vector<std::filesystem::path> items, GObject* window) override;
  void beep() override;
  platform::GObjectPtr<GAppLaunchContext> launchContext() const override;
  bool mayPressKeys() override { return asksOnEverySelection_; }
  void askToPressKeys() override {}
  bool fileManagerIsFrontmost() override;
  void pressRename() override;

 private:
  const bool asksOnEverySelection_;
  // The toplevel window of the last selection, while it exists.
  GWeakRef window_;
};

}  // namespace nimbra::hosts
