// nimbra-menu's command line: a line that parses says the same when written out
// again, and keeps the rules the usage states. The arguments are NUL-separated.

#include "Arguments.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nimbra;
  using fuzz::require;
  const auto args = fuzz::arguments(std::string_view(reinterpret_cast<const char*>(data), size));
  const auto parsed = cli::parseArguments(args);
  if (!parsed) return 0;
  require(!(parsed->json && parsed->pick) && (!parsed->verbose || parsed->pick), "--json without --pick, --verbose with it");
  std::vector<std::string> again = {std::to_string(static_cast<int>(parsed->kind))};
  if (parsed->target) again.insert(again.end(), {"--target", *parsed->target});
  for (const auto& item : parsed->selection) again.insert(again.end(), {"--select", item});
  if (parsed->json) again.emplace_back("--json");
  if (parsed->pick) again.insert(again.end(), {"--pick", std::to_string(*parsed->pick)});
  if (parsed->verbose) again.emplace_back("--verbose");
  const std::vector<std::string_view> views(again.begin(), again.end());
  require(cli::parseArguments(views) == parsed, "a parsed nimbra-menu line written out parses the same");
  return 0;
}
