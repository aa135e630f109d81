#pragma once
// Directories that count as single documents ("packages"): Linux has none of its
// own, so a fixed table of bundle extensions keeps the package rules for them.

#include <string_view>

namespace nimbra::platform {

// Whether a directory with this file name is a package (by its extension, any case).
bool isPackageName(std::string_view fileName);

}  // namespace nimbra::platform
