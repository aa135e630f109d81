#pragma once
// The command line of nimbra-menu.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "nimbra/MenuInputs.h"

namespace nimbra::cli {

struct Arguments {
  MenuKind kind = MenuKind::contextualMenuForContainer;
  std::optional<std::string> target;
  std::vector<std::string> selection;
  bool json = false;
  std::optional<long> pick;  // the leaf to pick instead of printing the menu
  bool verbose = false;      // with a pick: info lines on stderr too

  bool operator==(const Arguments&) const = default;
};

extern const char* const kUsage;

// Nothing when the arguments are malformed.
std::optional<Arguments> parseArguments(std::span<const std::string_view> args);

}  // namespace nimbra::cli
