// Desktop and Documents as xdg-user-dirs records them: lines such as
//   XDG_DESKTOP_DIR="$HOME/Desktop"
// with the value quoted, either "$HOME/..." or absolute, backslash escaping the
// next character; the last line for a key wins, anything else is ignored. A
// folder set to $HOME itself ("disabled") is the home folder, as for the
// desktop's own tools.

#include "nimbra/platform/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nimbra::platform {
namespace {

namespace fs = std::filesystem;

std::optional<fs::path> absoluteEnv(const char* name) {
  const char* value = std::getenv(name);
  if (!value || *value != '/') return std::nullopt;
  return fs::path(value);
}

fs::path realHome() {
  if (auto home = absoluteEnv("HOME")) return *home;
  long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 1024);
  passwd entry{};
  passwd* found = nullptr;
  int rc = 0;
  while ((rc = ::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found)) == ERANGE) {
    buffer.resize(buffer.size() * 2);
  }
  if (rc == 0 && found && found->pw_dir && found->pw_dir[0] == '/') return found->pw_dir;
  // No home at all: the root folder, where writes fail visibly instead of
  // landing in the working folder.
  return "/";
}

std::string_view skipSpaces(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}

// The folder a "KEY=value" line sets, when it is that key's and well formed.
std::optional<fs::path> parseLine(std::string_view line, std::string_view key, const fs::path& home) {
  line = skipSpaces(line);
  if (!line.starts_with(key)) return std::nullopt;
  line = skipSpaces(line.substr(key.size()));
  if (!line.starts_with('=')) return std::nullopt;
  line = skipSpaces(line.substr(1));
  if (!line.starts_with('"')) return std::nullopt;
  line.remove_prefix(1);

  bool relative = false;
  if (line.starts_with("$HOME/")) {
    relative = true;
    line.remove_prefix(6);
  } else if (line.starts_with("$HOME\"")) {
    return home;
  } else if (!line.starts_with('/')) {
    return std::nullopt;
  }
  std::string value;
  std::size_t i = 0;
  for (; i < line.size() && line[i] != '"'; ++i) {
    if (line[i] == '\\' && i + 1 < line.size()) ++i;
    value += line[i];
  }
  if (i == line.size()) return std::nullopt;  // no closing quote
  while (value.size() > 1 && value.ends_with('/')) value.pop_back();
  if (!relative) return fs::path(value);
  if (value == "/") value.clear();
  return value.empty() ? home : home / value;
}

}  // namespace

fs::path configHome() { return absoluteEnv("XDG_CONFIG_HOME").value_or(realHome() / ".config"); }

UserFolders userFolders() {
  UserFolders folders;
  folders.home = realHome();
  folders.desktop = folders.home / "Desktop";
  folders.documents = folders.home / "Documents";

  std::ifstream file(configHome() / "user-dirs.dirs");
  for (std::string line; std::getline(file, line);) {
    if (auto desktop = parseLine(line, "XDG_DESKTOP_DIR", folders.home)) folders.desktop = *desktop;
    if (auto documents = parseLine(line, "XDG_DOCUMENTS_DIR", folders.home)) folders.documents = *documents;
  }
  return folders;
}

}  // namespace nimbra::platform
