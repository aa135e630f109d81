#pragma once
// The shared suite on Linux: one SQLite database (WAL mode) in the application
// group's container under the user's configuration folder.

#include <chrono>
#include <filesystem>
#include <memory>
#include <string_view>

#include "nimbra/platform/DefaultsSuite.h"

namespace nimbra::platform {

inline constexpr std::string_view kApplicationGroup = "K4W81H3Q06.ai.corvane.nimbra";
inline constexpr std::string_view kSuiteFileName = "defaults.sqlite";

// ${XDG_CONFIG_HOME:-$HOME/.config}/<group>/, whether it exists or not.
std::filesystem::path sharedContainerPath();

// The same folder, created when missing. Throws platform::Failure when it cannot be
// created or is not a folder this user can open and write.
std::filesystem::path sharedContainer();

// The suite in `container`, created when missing. A file there that is not a
// readable suite is renamed aside (never deleted), logged, and a fresh suite is
// started. Throws platform::Failure when the database cannot be opened. `readWait`
// as for openSharedSuite.
std::shared_ptr<DefaultsSuite> openSuiteIn(const std::filesystem::path& container,
                                           std::chrono::milliseconds readWait = kReadWait);

}  // namespace nimbra::platform
