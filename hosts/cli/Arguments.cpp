#include "Arguments.h"

#include <charconv>

namespace nimbra::cli {

const char* const kUsage =
    "usage: nimbra-menu KIND [--target PATH] [--select PATH]... [--json]\n"
    "       nimbra-menu KIND [--target PATH] [--select PATH]... --pick TAG [--verbose]\n"
    "  KIND: items, container, sidebar, toolbar, or a number (0 items, 1 container, 2 sidebar,\n"
    "        3 toolbar; any other number is the container menu)\n"
    "  --pick TAG: carry out the leaf numbered TAG, wait for all its work, exit 1 if it failed\n";

namespace {

std::optional<long> parseNumber(std::string_view text) {
  long number = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return number;
}

std::optional<MenuKind> parseKind(std::string_view text) {
  if (text == "items") return MenuKind::contextualMenuForItems;
  if (text == "container") return MenuKind::contextualMenuForContainer;
  if (text == "sidebar") return MenuKind::contextualMenuForSidebar;
  if (text == "toolbar") return MenuKind::toolbarItemMenu;
  const auto number = parseNumber(text);
  if (!number) return std::nullopt;
  if (*number < 0 || *number > 3) return MenuKind::contextualMenuForContainer;
  return static_cast<MenuKind>(*number);
}

}  // namespace

std::optional<Arguments> parseArguments(std::span<const std::string_view> args) {
  if (args.empty()) return std::nullopt;
  Arguments result;
  const auto kind = parseKind(args[0]);
  if (!kind) return std::nullopt;
  result.kind = *kind;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const auto arg = args[i];
    const bool takesValue = arg == "--target" || arg == "--select" || arg == "--pick";
    if (takesValue && i + 1 >= args.size()) return std::nullopt;
    if (arg == "--target") {
      result.target = std::string(args[++i]);
    } else if (arg == "--select") {
      result.selection.emplace_back(args[++i]);
    } else if (arg == "--pick") {
      result.pick = parseNumber(args[++i]);
      if (!result.pick) return std::nullopt;
    } else if (arg == "--json") {
      result.json = true;
    } else if (arg == "--verbose") {
      result.verbose = true;
    } else {
      return std::nullopt;
    }
  }
  // --verbose speaks of a pick's log; --json of a printed menu.
  if ((result.verbose && !result.pick) || (result.json && result.pick)) return std::nullopt;
  return result;
}

}  // namespace nimbra::cli
