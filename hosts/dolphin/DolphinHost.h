#pragma once
// What Dolphin offers a pick: the application's beep, and its own session bus
// connection to say the menus are on. Dolphin gives plugins no rename call, and asks
// them only when a menu opens, so the plugin never knows what is selected after a
// reveal: new items are made and selected, not renamed.

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
  // Qt's connection, which Dolphin has open anyway: no second one, and none of GDBus
  // mapped into Dolphin for it.
  std::shared_ptr<hosts::BusAnnouncement> announcement(std::shared_ptr<platform::Scheduler>) override;
};

}  // namespace nimbra::dolphin
