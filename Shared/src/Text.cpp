#include "nimbra/Text.h"

#include <algorithm>
#include <cstdint>

namespace nimbra::text {
namespace {

constexpr char32_t kInvalid = 0xFFFD;

// Decodes one scalar at `i` and advances past it; malformed bytes count as one U+FFFD.
char32_t next(std::string_view s, std::size_t& i) {
  const auto sequence = decodeUtf8(s, i);
  if (sequence.length == 0) {
    ++i;
    return kInvalid;
  }
  i += sequence.length;
  return sequence.value;
}

// Start of the scalar that ends at `end` (exclusive).
std::size_t previousStart(std::string_view s, std::size_t end) {
  std::size_t i = end - 1;
  while (i > 0 && end - i < 4 && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) --i;
  return i;
}

bool isWhitespace(char32_t c) {
  return c == U'\t' || c == U' ' || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F ||
         c == 0x205F || c == 0x3000;
}

bool isNewline(char32_t c) { return (c >= 0x0A && c <= 0x0D) || c == 0x85 || c == 0x2028 || c == 0x2029; }

template <class Pred>
std::string_view trim(std::string_view s, Pred inSet) {
  std::size_t begin = 0;
  while (begin < s.size()) {
    std::size_t i = begin;
    if (!inSet(next(s, i))) break;
    begin = i;
  }
  std::size_t end = s.size();
  while (end > begin) {
    std::size_t start = previousStart(s, end);
    std::size_t i = start;
    if (!inSet(next(s, i)) || i != end) break;
    end = start;
  }
  return s.substr(begin, end - begin);
}

// Scalars that extend the character before them rather than starting a new one.
bool extendsPrevious(char32_t c) {
  return (c >= 0x0300 && c <= 0x036F) || (c >= 0x0483 && c <= 0x0489) || (c >= 0x0591 && c <= 0x05BD) ||
         (c >= 0x0610 && c <= 0x061A) || (c >= 0x064B && c <= 0x065F) || (c >= 0x0900 && c <= 0x0903) ||
         (c >= 0x093A && c <= 0x094F) || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) ||
         c == 0x200C || c == 0x200D || (c >= 0x20D0 && c <= 0x20FF) || (c >= 0x302A && c <= 0x302F) ||
         (c >= 0x3099 && c <= 0x309A) || (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xFE20 && c <= 0xFE2F) ||
         (c >= 0x1F3FB && c <= 0x1F3FF) || (c >= 0xE0020 && c <= 0xE007F) || (c >= 0xE0100 && c <= 0xE01EF);
}

}  // namespace

bool Utf8Sequence::isScalar() const {
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  return length > 0 && value >= kSmallest[length] && value <= 0x10FFFF && !(value >= 0xD800 && value <= 0xDFFF);
}

Utf8Sequence decodeUtf8(std::string_view s, std::size_t at) {
  const auto b0 = static_cast<unsigned char>(s[at]);
  const std::size_t len = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
  if (len == 0 || at + len > s.size()) return {};
  char32_t c = len == 1 ? b0 : b0 & (0x7F >> len);
  for (std::size_t k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(s[at + k]);
    if ((b & 0xC0) != 0x80) return {};
    c = (c << 6) | (b & 0x3F);
  }
  return {c, len};
}

bool isValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto sequence = decodeUtf8(s, i);
    if (!sequence.isScalar()) return false;
    i += sequence.length;
  }
  return true;
}

std::string_view trimWhitespaces(std::string_view s) { return trim(s, isWhitespace); }

std::string_view trimWhitespacesAndNewlines(std::string_view s) {
  return trim(s, [](char32_t c) { return isWhitespace(c) || isNewline(c); });
}

std::size_t userPerceivedLength(std::string_view s) {
  std::size_t count = 0;
  char32_t previous = 0;
  bool joinNext = false;
  for (std::size_t i = 0; i < s.size();) {
    const char32_t c = next(s, i);
    const bool continues = count > 0 && (extendsPrevious(c) || joinNext || (previous == U'\r' && c == U'\n'));
    if (!continues) ++count;
    joinNext = c == 0x200D;
    previous = c;
  }
  return count;
}

std::string repairUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const auto sequence = decodeUtf8(s, i);
    if (sequence.isScalar()) {
      out.append(s.substr(i, sequence.length));
    } else {
      out += "\xEF\xBF\xBD";
    }
    i += std::max<std::size_t>(sequence.length, 1);
  }
  return out;
}

}  // namespace nimbra::text
