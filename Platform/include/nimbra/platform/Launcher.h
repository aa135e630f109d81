#pragma once
// Starting applications.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "nimbra/platform/Workspace.h"

namespace nimbra::platform {

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Opens the folders with the application; the error's description when it could not.
  virtual std::optional<std::string> open(const std::vector<std::filesystem::path>& folders, const AppLocation& app) = 0;
  // Launches the companion app, or brings the running one forward.
  virtual std::optional<std::string> openCompanionApp() = 0;
};

// Desktop entries through GIO. The companion app is the entry "ai.corvane.nimbra.desktop",
// else the program "nimbra" installed beside the calling binary.
std::shared_ptr<Launcher> desktopLauncher();

}  // namespace nimbra::platform
