// A list of strings as the settings suite stores it, written by any process of the
// user: what decodes is exactly the blob re-encoded, element by element.

#include "FuzzSupport.h"
#include "nimbra/platform/linux/StringArrayCoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nimbra;
  const auto blob = std::string_view(reinterpret_cast<const char*>(data), size);
  if (const auto elements = platform::decodeStringArray(blob)) {
    fuzz::require(platform::encodeStringArray(*elements) == blob, "a decoded list encodes to the blob it came from");
  }
  return 0;
}
