#pragma once
// What Dolphin offers a pick: the application's beep. Dolphin gives plugins no
// rename call, and asks them only when a menu opens, so the plugin never knows
// what is selected after a reveal: new items are made and selected, not renamed.

#include "HostSession.h"

namespace nimbra::dolphin {

class DolphinHost final : public hosts::HostSession {
 public:
  void beep() override;
  // GIO's own context: Dolphin has no GDK display to lend one.
  platform::GObjectPtr<GAppLaunchContext> launchContext() const override { return nullptr; }
  bool mayPressKeys() override { return false; }
  void askToPressKeys() override {}
  bool fileManagerIsFrontmost() override { return false; }
  void pressRename() override {}
};

}  // namespace nimbra::dolphin
