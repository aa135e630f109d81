// nimbra-zip's command line: a line that parses names two non-empty paths and says
// the same when written out again. The arguments are NUL-separated.

#include "Arguments.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nimbra;
  const auto args = fuzz::arguments(std::string_view(reinterpret_cast<const char*>(data), size));
  const auto parsed = ziptool::parseArguments(args);
  if (!parsed) return 0;
  fuzz::require(!parsed->source.empty() && !parsed->destination.empty(), "nimbra-zip takes two non-empty paths");
  const std::vector<std::string_view> again = {"-c", "-k", "--", parsed->source, parsed->destination};
  fuzz::require(ziptool::parseArguments(again) == parsed, "a parsed nimbra-zip line written out parses the same");
  return 0;
}
