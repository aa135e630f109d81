#pragma once
// Unicode-aware text helpers over UTF-8 (the platform's white-space sets and
// user-perceived character counting).

#include <cstddef>
#include <string>
#include <string_view>

namespace nimbra::text {

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
