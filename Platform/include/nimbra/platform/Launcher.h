#pragma once
// Starting applications.

#include <filesystem>
#include <vector>

#include "nimbra/platform/Workspace.h"

namespace nimbra::platform {

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Opens the folders with the application. Throws platform::Failure.
  virtual void open(const std::vector<std::filesystem::path>& folders, const AppLocation& app) = 0;
  // Launches the companion app, or brings the running one forward, in the host's
  // launch context, so that the app's window may come to the front. Call it on the
  // main loop, where the host makes that context. Throws platform::Failure.
  virtual void openCompanionApp() = 0;
};

}  // namespace nimbra::platform
