#pragma once
// Whether the user has the menus switched on. A per-user flag that every host
// honours on every request, kept apart from the shared settings: removing those
// does not switch the menus back on. On unless switched off.

#include <memory>

namespace nimbra::platform {

class ExtensionSwitch {
 public:
  virtual ~ExtensionSwitch() = default;
  virtual bool isOn() const = 0;
  // Throws platform::Failure when the flag cannot be stored.
  virtual void setOn(bool on) = 0;
};

// The flag as the file system has it now, asked afresh on every call.
std::shared_ptr<ExtensionSwitch> userExtensionSwitch();

}  // namespace nimbra::platform
