#include "nimbra/Uninstall.h"

#include "nimbra/platform/ExtensionSwitch.h"
#include "nimbra/platform/Failure.h"
#include "nimbra/platform/FileOperations.h"

namespace nimbra {

void uninstall(platform::ExtensionSwitch& menus, platform::FileOperations& files,
               const std::filesystem::path& sharedContainer, bool removeSettings) {
  menus.setOn(false);
  if (!removeSettings) return;
  try {
    files.removeItem(sharedContainer);
  } catch (const platform::Failure&) {
    // The settings were asked away, not needed.
  }
}

}  // namespace nimbra
