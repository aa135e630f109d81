#include "nimbra/UUID.h"

#include <array>
#include <cstdint>
#include <random>

namespace nimbra {

std::string newUUID() {
  std::random_device source;
  std::array<unsigned char, 16> bytes{};
  for (std::size_t i = 0; i < bytes.size(); i += 4) {
    const auto word = static_cast<std::uint32_t>(source());
    for (std::size_t b = 0; b < 4; ++b) bytes[i + b] = static_cast<unsigned char>(word >> (8 * b));
  }
  bytes[6] = static_cast<unsigned char>((bytes[6] & 0x0f) | 0x40);
  bytes[8] = static_cast<unsigned char>((bytes[8] & 0x3f) | 0x80);
  constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10) text.push_back('-');
    text.push_back(kDigits[bytes[i] >> 4]);
    text.push_back(kDigits[bytes[i] & 0x0f]);
  }
  return text;
}

}  // namespace nimbra
