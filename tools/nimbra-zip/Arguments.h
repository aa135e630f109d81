#pragma once
// The command line of nimbra-zip: the `-c -k` form of the platform archiver.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace nimbra::ziptool {

struct Arguments {
  std::string source;
  std::string destination;

  bool operator==(const Arguments&) const = default;
};

extern const char* const kUsage;

// Nothing unless the arguments hold -c and -k, optionally --norsrc, --noextattr, --noqtn
// and --noacl (any order; "--" ends the options), and exactly two non-empty paths.
std::optional<Arguments> parseArguments(std::span<const std::string_view> args);

}  // namespace nimbra::ziptool
