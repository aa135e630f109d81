#include "nimbra/platform/Packages.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace nimbra::platform {
namespace {

constexpr std::array<std::string_view, 27> kBundleExtensions = {
    "app",       "appex",  "bundle", "component", "framework", "kext",     "key",    "mdimporter", "numbers",
    "pages",     "photoslibrary", "playground", "plugin", "prefPane", "qlgenerator", "rtfd", "saver", "scptd",
    "sparsebundle", "docc", "xcarchive", "xcassets", "xcodeproj", "xcworkspace", "wdgt", "lproj", "musiclibrary",
};

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

bool isPackageName(std::string_view fileName) {
  const auto dot = fileName.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return false;
  const auto ext = fileName.substr(dot + 1);
  return std::ranges::any_of(kBundleExtensions, [&](std::string_view known) { return equalsIgnoringCase(ext, known); });
}

}  // namespace nimbra::platform
