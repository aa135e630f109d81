#pragma once
// The user's switch for the menus, in memory; a switch that `fails` cannot be saved.

#include <cerrno>

#include "nimbra/platform/ExtensionSwitch.h"
#include "nimbra/platform/Failure.h"

namespace nimbra::testing {

class FakeExtensionSwitch final : public platform::ExtensionSwitch {
 public:
  bool on = true;
  bool fails = false;
  bool isOn() const override { return on; }
  void setOn(bool value) override {
    if (fails) platform::fail(platform::Operation::createFile, EACCES, "/home/user/.config/ai.corvane.nimbra/extension-off");
    on = value;
  }
};

}  // namespace nimbra::testing
