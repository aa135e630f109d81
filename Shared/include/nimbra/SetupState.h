#pragma once
// What the setup window's first step shows, worked out from the file manager's
// presence and the user's switch.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "nimbra/platform/FileManagerPresence.h"

namespace nimbra {

struct SetupState {
  // What Turn On… still has to do once the switch is on.
  enum class Remaining { nothing, install, restartFileManager };

  platform::ExtensionPresence presence;
  bool switchedOn = false;

  // "On in the file manager": installed, switched on, and either no file manager
  // runs (the next one loads the extension; it also quits on its own once its
  // windows are closed) or the running one has it loaded.
  bool menusAreOn() const {
    return presence.installed && switchedOn && (!presence.running || presence.loaded);
  }
  Remaining remaining() const {
    if (!presence.installed) return Remaining::install;
    return menusAreOn() ? Remaining::nothing : Remaining::restartFileManager;
  }
  bool operator==(const SetupState&) const = default;
};

// The file manager the user has, among those we have an extension for (by desktop
// ID): the desktop's default for folders, else the first installed, else the first.
// Not for an empty list.
std::size_t fileManagerInUse(std::span<const std::string> desktopIDs, const std::optional<std::string>& defaultForFolders,
                             const std::function<bool(std::string_view desktopID)>& isInstalled);

}  // namespace nimbra
