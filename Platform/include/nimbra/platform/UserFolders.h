#pragma once
// The real user's home, Desktop and Documents.

#include <filesystem>

namespace nimbra::platform {

struct UserFolders {
  std::filesystem::path home;
  std::filesystem::path desktop;
  std::filesystem::path documents;
};

// $HOME when set and absolute, else the passwd entry; Desktop and Documents from
// xdg-user-dirs ("user-dirs.dirs" in the config home), else ~/Desktop and ~/Documents.
UserFolders userFolders();

// Where the user's settings live: $XDG_CONFIG_HOME when absolute, else <home>/.config.
std::filesystem::path configHome();

}  // namespace nimbra::platform
