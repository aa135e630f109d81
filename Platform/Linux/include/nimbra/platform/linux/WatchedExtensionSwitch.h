#pragma once
// The switch as a long-lived host keeps it: read once, then followed through a
// file monitor, so a request costs no file-system call.

#include <filesystem>
#include <functional>
#include <memory>

#include "nimbra/platform/ExtensionSwitch.h"

namespace nimbra::platform {

// "extension-off" in the app's own folder of the user's config home; the menus
// are off while it exists.
std::filesystem::path extensionSwitchFile();

// Follows the flag on the thread-default main context of the caller, and calls
// `changed` there after each change of the answer.
std::shared_ptr<ExtensionSwitch> watchedExtensionSwitch(std::function<void(bool on)> changed = {});

}  // namespace nimbra::platform
