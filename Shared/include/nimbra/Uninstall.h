#pragma once
// Uninstalling for this user: the menus are switched off (every file manager's
// extension follows the switch at once, so nothing needs stopping), then the shared
// settings go when the user asked for that. The package manager removes the program.

#include <filesystem>

namespace nimbra {

namespace platform {
class ExtensionSwitch;
class FileOperations;
}  // namespace platform

// Throws platform::Failure when the switch cannot be saved, and removes nothing then:
// menus that stay on keep their settings. A settings folder that cannot be removed
// (already gone, say) is left as it is.
void uninstall(platform::ExtensionSwitch& menus, platform::FileOperations& files,
               const std::filesystem::path& sharedContainer, bool removeSettings);

}  // namespace nimbra
