#pragma once
// Launching through desktop entries.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "nimbra/platform/Launcher.h"

namespace nimbra::platform {

inline constexpr std::string_view kCompanionDesktopID = "ai.corvane.nimbra.desktop";
inline constexpr std::string_view kCompanionProgram = "nimbra";

// The companion program for the binary at `binary`: "nimbra" in the binary's
// own folder, else "bin/nimbra" in the nearest enclosing folder that has it
// (the install prefix, for a module in lib/.../extensions-4/).
std::optional<std::filesystem::path> companionProgramFor(const std::filesystem::path& binary);

// desktopLauncher() for a calling binary at `binary`, with the companion app's entry `companionDesktopID`.
std::shared_ptr<Launcher> desktopLauncher(std::filesystem::path binary,
                                          std::string companionDesktopID = std::string(kCompanionDesktopID));

}  // namespace nimbra::platform
