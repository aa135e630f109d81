#pragma once
// Directories that count as single documents ("packages"): Linux has none of its
// own, so a fixed table of bundle extensions keeps the package rules for them.

#include <algorithm>
#include <array>
#include <string_view>

namespace nimbra::platform {

namespace packages {
constexpr std::array<std::string_view, 27> kBundleExtensions = {
    "app",       "appex",  "bundle", "component", "framework", "kext",     "key",    "mdimporter", "numbers",
    "pages",     "photoslibrary", "playground", "plugin", "prefPane", "qlgenerator", "rtfd", "saver", "scptd",
    "sparsebundle", "docc", "xcarchive", "xcassets", "xcodeproj", "xcworkspace", "wdgt", "lproj", "musiclibrary",
};

inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; };
  return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}
}  // namespace packages

// Whether a directory with this file name is a package (by its extension, any case).
inline bool isPackageName(std::string_view fileName) {
  const auto dot = fileName.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return false;
  const auto ext = fileName.substr(dot + 1);
  return std::ranges::any_of(packages::kBundleExtensions,
                             [&](std::string_view known) { return packages::equalsIgnoringCase(ext, known); });
}

}  // namespace nimbra::platform
