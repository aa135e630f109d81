#include "nimbra/SetupState.h"

#include <algorithm>

namespace nimbra {

std::size_t fileManagerInUse(std::span<const std::string> desktopIDs, const std::optional<std::string>& defaultForFolders,
                             const std::function<bool(std::string_view desktopID)>& isInstalled) {
  auto found = desktopIDs.end();
  if (defaultForFolders) found = std::ranges::find(desktopIDs, *defaultForFolders);
  if (found == desktopIDs.end()) found = std::ranges::find_if(desktopIDs, isInstalled);
  return found == desktopIDs.end() ? 0 : static_cast<std::size_t>(found - desktopIDs.begin());
}

}  // namespace nimbra
