#include "Arguments.h"

#include <vector>

namespace nimbra::ziptool {

const char* const kUsage =
    "usage: nimbra-zip -c -k [--norsrc] [--noextattr] [--noqtn] [--noacl] SRC DST\n"
    "  Writes a ZIP archive of the items inside the folder SRC (or of SRC itself when it\n"
    "  is not a folder) to DST, which must not exist yet. Extended attributes, access\n"
    "  control lists, resource forks and quarantine marks are never stored; the --no*\n"
    "  options are accepted so callers of the platform archiver work unchanged.\n";

namespace {

// What the platform archiver leaves out only when asked to, this one never stores.
bool isAlwaysOnOption(std::string_view arg) {
  return arg == "--norsrc" || arg == "--noextattr" || arg == "--noqtn" || arg == "--noacl";
}

}  // namespace

std::optional<Arguments> parseArguments(std::span<const std::string_view> args) {
  bool create = false;
  bool pkzip = false;
  bool optionsEnded = false;
  std::vector<std::string_view> paths;
  for (const auto arg : args) {
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && arg.size() > 1 && arg.front() == '-') {
      if (arg == "-c") {
        create = true;
      } else if (arg == "-k") {
        pkzip = true;
      } else if (!isAlwaysOnOption(arg)) {
        return std::nullopt;
      }
    } else {
      paths.push_back(arg);
    }
  }
  if (!create || !pkzip || paths.size() != 2) return std::nullopt;
  if (paths[0].empty() || paths[1].empty()) return std::nullopt;
  return Arguments{std::string(paths[0]), std::string(paths[1])};
}

}  // namespace nimbra::ziptool
