#pragma once
// The user's switch for the menus, in memory; `changed` hears every set.

#include <functional>

#include "nimbra/platform/ExtensionSwitch.h"

namespace nimbra::testing {

class FakeSwitch final : public platform::ExtensionSwitch {
 public:
  bool on = true;
  std::function<void(bool)> changed;
  bool isOn() const override { return on; }
  void setOn(bool value) override {
    on = value;
    if (changed) changed(value);
  }
};

}  // namespace nimbra::testing
