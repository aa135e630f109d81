#pragma once
// One application of the Open Folder with list.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "nimbra/Hashing.h"

namespace nimbra {

struct KnownApp {
  std::string_view bundleID;
  std::string_view name;
};

struct OpenWithEntry {
  std::string bundleID;
  bool enabled = true;
  bool isKnown = false;

  bool operator==(const OpenWithEntry&) const = default;

  static const std::array<KnownApp, 16> knownApps;
  // Display name of the first known app with exactly this identifier.
  static std::optional<std::string_view> knownAppName(std::string_view bundleID);
  // Every known app, enabled, in table order.
  static std::vector<OpenWithEntry> defaults();
};

inline constexpr std::array<KnownApp, 16> OpenWithEntry::knownApps = {{
    {"com.microsoft.VSCode", "Visual Studio Code"},
    {"com.todesktop.230313mzl4w4u92", "Cursor"},
    {"dev.zed.Zed", "Zed"},
    {"com.sublimetext.4", "Sublime Text"},
    {"com.apple.dt.Xcode", "Xcode"},
    {"com.jetbrains.rider", "Rider"},
    {"com.jetbrains.intellij", "IntelliJ IDEA"},
    {"com.jetbrains.WebStorm", "WebStorm"},
    {"com.jetbrains.pycharm", "PyCharm"},
    {"com.jetbrains.goland", "GoLand"},
    {"com.jetbrains.CLion", "CLion"},
    {"com.google.android.studio", "Android Studio"},
    {"com.apple.Terminal", "Terminal"},
    {"com.googlecode.iterm2", "iTerm"},
    {"dev.warp.Warp-Stable", "Warp"},
    {"com.mitchellh.ghostty", "Ghostty"},
}};

}  // namespace nimbra

template <>
struct std::hash<nimbra::OpenWithEntry> {
  std::size_t operator()(const nimbra::OpenWithEntry& e) const noexcept {
    return nimbra::hashAll(e.bundleID, e.enabled, e.isKnown);
  }
};
