#pragma once
// The applications a person can choose from: the desktop entries the launcher
// finds and the desktop shows, each with the entry's file, name and icon.

#include <vector>

#include "nimbra/platform/Workspace.h"

namespace nimbra::platform {

std::vector<AppLocation> installedApplications();

}  // namespace nimbra::platform
