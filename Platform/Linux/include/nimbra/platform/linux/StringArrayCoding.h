#pragma once
// How the settings suite stores a list of strings: a blob of elements, each a 4-byte
// little-endian length and its bytes, so any byte string survives (paths need not
// be UTF-8).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nimbra::platform {

std::string encodeStringArray(const std::vector<std::string>& elements);
// Nothing when the blob is not such a list (a length running past its end).
std::optional<std::vector<std::string>> decodeStringArray(std::string_view blob);

}  // namespace nimbra::platform
