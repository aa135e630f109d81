#pragma once
// The user's switch for the menus, in memory; `changed` hears every set, and a
// switch that `fails` cannot be saved.

#include <cerrno>
#include <functional>
#include <system_error>

#include "nimbra/platform/ExtensionSwitch.h"

namespace nimbra::testing {

class FakeSwitch final : public platform::ExtensionSwitch {
 public:
  bool on = true;
  bool fails = false;
  std::function<void(bool)> changed;
  bool isOn() const override { return on; }
  void setOn(bool value) override {
    if (fails) throw std::system_error(EACCES, std::generic_category(), "extension-off");
    on = value;
    if (changed) changed(value);
  }
};

}  // namespace nimbra::testing
