#pragma once
// Unicode-aware text helpers over UTF-8 (the platform's white-space sets and
// user-perceived character counting), and the one UTF-8 decoder they all build on.

#include <cstddef>
#include <string>
#include <string_view>

namespace nimbra::text {

// One UTF-8 sequence read at a byte offset.
struct Utf8Sequence {
  char32_t value = 0;      // the bits the sequence carries
  std::size_t length = 0;  // bytes of a complete sequence; 0 when the bytes there are malformed
  // A complete sequence in its shortest form whose value is a Unicode scalar
  // (not a surrogate, at most U+10FFFF).
  bool isScalar() const;
};
// The sequence starting at byte `at` (< s.size()): a lead byte and its continuation bytes.
Utf8Sequence decodeUtf8(std::string_view s, std::size_t at);
// Whether every byte of `s` belongs to a sequence that is a scalar.
bool isValidUtf8(std::string_view s);

// Unicode space separators and tab; no line breaks.
std::string_view trimWhitespaces(std::string_view s);
// The above plus line breaks (LF, VT, FF, CR, NEL, LS, PS).
std::string_view trimWhitespacesAndNewlines(std::string_view s);
// Characters as a user sees them: a base followed by combining marks,
// variation selectors or a joined sequence counts once; CR LF counts once.
std::size_t userPerceivedLength(std::string_view s);
// The text with every malformed UTF-8 sequence replaced by U+FFFD.
std::string repairUtf8(std::string_view s);

}  // namespace nimbra::text
