// The hand-written UTF-8 handling: every malformed shape, and where the white-space
// sets and the character count end.

#include "nimbra/Text.h"

#include <gtest/gtest.h>

namespace nimbra::text {
namespace {

using std::string_view_literals::operator""sv;

TEST(Text, TrimsItsOwnSetFromBothEndsAndNothingElse) {
  struct Case {
    std::string_view in, spaces, spacesAndNewlines;
  };
  const Case cases[] = {
      {" \t a b \t", "a b", "a b"}, {"\u00A0\u1680\u2000\u200A\u202F\u205F\u3000x\u3000", "x", "x"},
      {"\n\r x \u0085\u2028\u2029\v\f", "\n\r x \u0085\u2028\u2029\v\f", "x"},
      {"\u200Bx\u200B", "\u200Bx\u200B", "\u200Bx\u200B"},  // zero width is no space
      {"\xFF x \xC2", "\xFF x \xC2", "\xFF x \xC2"}, {"x \x80", "x \x80", "x \x80"},  // malformed bytes stay
      {" \u00A0 ", "", ""}, {"", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(trimWhitespaces(c.in), c.spaces) << c.in;
    EXPECT_EQ(trimWhitespacesAndNewlines(c.in), c.spacesAndNewlines) << c.in;
  }
}

TEST(Text, CountsCharactersAsTheUserSeesThem) {
  const std::pair<std::string_view, std::size_t> cases[] = {
      {"", 0}, {"abc", 3}, {"e\u0301\u0302", 1}, {"\u0301a", 2},  // combining marks; a leading one stands alone
      {"\U0001F469\u200D\U0001F4BB", 1}, {"\U0001F44D\U0001F3FD\u2764\uFE0F", 2},  // ZWJ, skin tone, selector
      {"\r\n\n\r", 3}, {"\xFF\xFE", 2}, {"\xE2\x82", 2},  // CR LF is one; each malformed byte is one
  };
  for (const auto& [text, length] : cases) EXPECT_EQ(userPerceivedLength(text), length) << text;
}

// Valid text is exactly the text that repairing leaves alone.
TEST(Text, RepairReplacesEachMalformedSequenceAndKeepsValidText) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"", ""}, {"r\u00E9sum\u00E9 \u2713 \U0001F600", "r\u00E9sum\u00E9 \u2713 \U0001F600"}, {"\uFFFD", "\uFFFD"},
      {"a\0b"sv, "a\0b"sv}, {"caf\xE9!", "caf\uFFFD!"}, {"\x80\xBF", "\uFFFD\uFFFD"},
      {"\xC0\xAF|\xE0\x80\xAF|\xF0\x80\x80\xAF", "\uFFFD|\uFFFD|\uFFFD"},  // overlong forms
      {"\xED\xA0\x80\xED\xBF\xBF", "\uFFFD\uFFFD"}, {"\xF4\x90\x80\x80", "\uFFFD"},  // surrogates, above U+10FFFF
      {"\xE2\x82x", "\uFFFD\uFFFDx"}, {"x\xF0\x9F\x98", "x\uFFFD\uFFFD\uFFFD"},  // cut short
      {"\xF8\x88\x80\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
  };
  for (const auto& [in, repaired] : cases) {
    EXPECT_EQ(repairUtf8(in), repaired) << in;
    EXPECT_EQ(isValidUtf8(in), in == repaired) << in;
  }
}

}  // namespace
}  // namespace nimbra::text
