#include "nimbra/platform/linux/StringArrayCoding.h"

#include <cstdint>

namespace nimbra::platform {

std::string encodeStringArray(const std::vector<std::string>& elements) {
  std::string blob;
  for (const auto& e : elements) {
    const auto n = static_cast<std::uint32_t>(e.size());
    for (int shift = 0; shift < 32; shift += 8) blob.push_back(static_cast<char>((n >> shift) & 0xff));
    blob += e;
  }
  return blob;
}

std::optional<std::vector<std::string>> decodeStringArray(std::string_view blob) {
  std::vector<std::string> elements;
  while (!blob.empty()) {
    if (blob.size() < 4) return std::nullopt;
    std::uint32_t n = 0;
    for (int i = 0; i < 4; ++i) n |= static_cast<std::uint32_t>(static_cast<unsigned char>(blob[i])) << (8 * i);
    blob.remove_prefix(4);
    if (blob.size() < n) return std::nullopt;
    elements.emplace_back(blob.substr(0, n));
    blob.remove_prefix(n);
  }
  return elements;
}

}  // namespace nimbra::platform
