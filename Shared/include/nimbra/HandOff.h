#pragma once
// The names of the notifications between the extension and the companion app.

#include <string_view>

namespace nimbra::handOff {

inline constexpr std::string_view menuUsed = "ai.corvane.nimbra.menuUsed";
inline constexpr std::string_view openPreferences = "ai.corvane.nimbra.openPreferences";
inline constexpr std::string_view transfer = "ai.corvane.nimbra.transfer";
inline constexpr std::string_view makeAlias = "ai.corvane.nimbra.makeAlias";

}  // namespace nimbra::handOff
