#pragma once
// Launching through desktop entries (GIO).

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "nimbra/platform/Launcher.h"
#include "nimbra/platform/linux/GioSupport.h"

namespace nimbra::platform {

inline constexpr std::string_view kCompanionDesktopID = "ai.corvane.nimbra.desktop";
inline constexpr std::string_view kCompanionProgram = "nimbra";

// Makes the host's launch context on the main loop (startup notification on X11, an
// activation token on Wayland); nothing where the host has none.
using LaunchContexts = std::function<GObjectPtr<GAppLaunchContext>()>;

// The companion program for the binary at `binary`: "nimbra" in the binary's own
// folder, else "bin/nimbra" of the prefix the binary is installed in, the folder
// above its nearest "lib" folder (for a module in <prefix>/lib/<arch>/nautilus/
// extensions-4/ that is <prefix>/bin/nimbra). Nothing outside a prefix.
std::optional<std::filesystem::path> companionProgramFor(const std::filesystem::path& binary);

// The companion app is the entry `companionDesktopID`, else the program found for
// `binary`; it is launched in the contexts `launchContexts` makes.
std::shared_ptr<Launcher> desktopLauncher(std::filesystem::path binary, std::string companionDesktopID,
                                          LaunchContexts launchContexts = {});

// For the binary this code is linked into, with the entry "ai.corvane.nimbra.desktop".
std::shared_ptr<Launcher> desktopLauncher(LaunchContexts launchContexts = {});

}  // namespace nimbra::platform
