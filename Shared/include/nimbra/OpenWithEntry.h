#pragma once
// One application of the Open Folder with list.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "nimbra/Hashing.h"

namespace nimbra {

// Other identifiers an application is installed under on the desktops we run on
// (desktop-file IDs without ".desktop"), most common first.
namespace installedAs {
inline constexpr std::string_view vsCode[] = {"code", "code-oss", "com.visualstudio.code"};
inline constexpr std::string_view cursor[] = {"cursor", "co.anysphere.cursor"};
inline constexpr std::string_view zed[] = {"zed", "dev.zed.Zed-Preview"};
inline constexpr std::string_view sublime[] = {"sublime_text", "com.sublimetext.three"};
inline constexpr std::string_view rider[] = {"jetbrains-rider", "com.jetbrains.Rider"};
inline constexpr std::string_view intelliJ[] = {"jetbrains-idea", "jetbrains-idea-ce", "com.jetbrains.IntelliJ-IDEA-Ultimate",
                                                "com.jetbrains.IntelliJ-IDEA-Community"};
inline constexpr std::string_view webStorm[] = {"jetbrains-webstorm", "com.jetbrains.WebStorm"};
inline constexpr std::string_view pyCharm[] = {"jetbrains-pycharm", "jetbrains-pycharm-ce", "com.jetbrains.PyCharm-Professional",
                                               "com.jetbrains.PyCharm-Community"};
inline constexpr std::string_view goLand[] = {"jetbrains-goland", "com.jetbrains.GoLand"};
inline constexpr std::string_view cLion[] = {"jetbrains-clion", "com.jetbrains.CLion"};
inline constexpr std::string_view androidStudio[] = {"android-studio", "jetbrains-studio", "com.google.AndroidStudio"};
// The desktop's own terminal first, then the common ones.
inline constexpr std::string_view terminal[] = {"org.gnome.Terminal", "org.gnome.Console", "org.gnome.Ptyxis",
                                                "org.kde.konsole",    "xfce4-terminal",    "mate-terminal",
                                                "lxterminal",         "xterm"};
inline constexpr std::string_view warp[] = {"dev.warp.Warp", "warp-terminal"};
inline constexpr std::string_view ghostty[] = {"ghostty"};
}  // namespace installedAs

struct KnownApp {
  std::string_view bundleID;
  std::string_view name;
  std::span<const std::string_view> installedAs = {};
};

struct OpenWithEntry {
  std::string bundleID;
  bool enabled = true;
  bool isKnown = false;

  bool operator==(const OpenWithEntry&) const = default;

  static const std::array<KnownApp, 16> knownApps;
  // Display name of the first known app with exactly this identifier.
  static std::optional<std::string_view> knownAppName(std::string_view bundleID);
  // The other identifiers the known app with this identifier is installed under; none for others.
  static std::span<const std::string_view> installedAs(std::string_view bundleID);
  // Every known app, enabled, in table order.
  static std::vector<OpenWithEntry> defaults();
};

inline constexpr std::array<KnownApp, 16> OpenWithEntry::knownApps = {{
    {"com.microsoft.VSCode", "Visual Studio Code", installedAs::vsCode},
    {"com.todesktop.230313mzl4w4u92", "Cursor", installedAs::cursor},
    {"dev.zed.Zed", "Zed", installedAs::zed},
    {"com.sublimetext.4", "Sublime Text", installedAs::sublime},
    {"com.apple.dt.Xcode", "Xcode"},
    {"com.jetbrains.rider", "Rider", installedAs::rider},
    {"com.jetbrains.intellij", "IntelliJ IDEA", installedAs::intelliJ},
    {"com.jetbrains.WebStorm", "WebStorm", installedAs::webStorm},
    {"com.jetbrains.pycharm", "PyCharm", installedAs::pyCharm},
    {"com.jetbrains.goland", "GoLand", installedAs::goLand},
    {"com.jetbrains.CLion", "CLion", installedAs::cLion},
    {"com.google.android.studio", "Android Studio", installedAs::androidStudio},
    {"com.apple.Terminal", "Terminal", installedAs::terminal},
    {"com.googlecode.iterm2", "iTerm"},
    {"dev.warp.Warp-Stable", "Warp", installedAs::warp},
    {"com.mitchellh.ghostty", "Ghostty", installedAs::ghostty},
}};

}  // namespace nimbra

template <>
struct std::hash<nimbra::OpenWithEntry> {
  std::size_t operator()(const nimbra::OpenWithEntry& e) const noexcept {
    return nimbra::hashAll(e.bundleID, e.enabled, e.isKnown);
  }
};
