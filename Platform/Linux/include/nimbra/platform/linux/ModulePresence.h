#pragma once
// The presence of a loadable module in a file manager that owns a name on the
// session bus while it runs. Loaded means the running process maps the module's
// file (/proc/PID/maps), or (where those cannot be read) that the module announces
// itself on the bus from that process, which it does only while loaded and on.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "nimbra/platform/FileManagerPresence.h"
#include "nimbra/platform/linux/SessionBus.h"

namespace nimbra::platform {

struct FileManagerModule {
  std::string name;                    // "Files"
  std::string desktopID;               // "org.gnome.Nautilus.desktop"
  std::string busName;                 // owned while it runs: "org.gnome.Nautilus"
  std::filesystem::path module;        // ours, where the file manager loads it from
  std::vector<std::string> quitCommand;  // {"nautilus", "-q"}
};

std::shared_ptr<FileManagerPresence> modulePresence(FileManagerModule fileManager,
                                                    std::shared_ptr<SessionBus> bus = SessionBus::shared());

// The file managers we have a module for, with ours installed at `module`:
// GNOME Files (Nautilus 43), Nemo, Caja and Thunar.
FileManagerModule filesModule(std::filesystem::path module);
FileManagerModule nemoModule(std::filesystem::path module);
FileManagerModule cajaModule(std::filesystem::path module);
FileManagerModule thunarModule(std::filesystem::path module);

// The desktop entry ID of the desktop's default application for folders; nothing when none is set.
std::optional<std::string> defaultFileManagerID();
// Whether the desktop entry with this ID is installed and usable.
bool desktopEntryInstalled(std::string_view desktopID);

}  // namespace nimbra::platform
