// Installed applications are freedesktop desktop entries in the XDG data dirs.
// An application with bundle identifier B is the entry "B.desktop", else one of
// the entries the known applications usually install under on Linux.

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <array>
#include <span>

#include "nimbra/platform/Workspace.h"
#include "nimbra/platform/linux/GioSupport.h"

namespace nimbra::platform {
namespace {

struct KnownDesktopIDs {
  std::string_view bundleID;
  std::span<const char* const> desktopIDs;
};

constexpr const char* kVSCode[] = {"code.desktop", "code-oss.desktop", "com.visualstudio.code.desktop"};
constexpr const char* kCursor[] = {"cursor.desktop", "co.anysphere.cursor.desktop"};
constexpr const char* kZed[] = {"zed.desktop", "dev.zed.Zed-Preview.desktop"};
constexpr const char* kSublime[] = {"sublime_text.desktop", "com.sublimetext.three.desktop"};
constexpr const char* kRider[] = {"jetbrains-rider.desktop", "com.jetbrains.Rider.desktop"};
constexpr const char* kIntelliJ[] = {"jetbrains-idea.desktop", "jetbrains-idea-ce.desktop",
                                     "com.jetbrains.IntelliJ-IDEA-Ultimate.desktop",
                                     "com.jetbrains.IntelliJ-IDEA-Community.desktop"};
constexpr const char* kWebStorm[] = {"jetbrains-webstorm.desktop", "com.jetbrains.WebStorm.desktop"};
constexpr const char* kPyCharm[] = {"jetbrains-pycharm.desktop", "jetbrains-pycharm-ce.desktop",
                                    "com.jetbrains.PyCharm-Professional.desktop",
                                    "com.jetbrains.PyCharm-Community.desktop"};
constexpr const char* kGoLand[] = {"jetbrains-goland.desktop", "com.jetbrains.GoLand.desktop"};
constexpr const char* kCLion[] = {"jetbrains-clion.desktop", "com.jetbrains.CLion.desktop"};
constexpr const char* kAndroidStudio[] = {"android-studio.desktop", "jetbrains-studio.desktop",
                                          "com.google.AndroidStudio.desktop"};
// The desktop's own terminal first, then the common ones.
constexpr const char* kTerminal[] = {"org.gnome.Terminal.desktop", "org.gnome.Console.desktop",
                                     "org.gnome.Ptyxis.desktop",   "org.kde.konsole.desktop",
                                     "xfce4-terminal.desktop",     "mate-terminal.desktop",
                                     "lxterminal.desktop",         "xterm.desktop"};
constexpr const char* kWarp[] = {"dev.warp.Warp.desktop", "warp-terminal.desktop"};
constexpr const char* kGhostty[] = {"ghostty.desktop"};

constexpr std::array<KnownDesktopIDs, 14> kKnown = {{
    {"com.microsoft.VSCode", kVSCode},
    {"com.todesktop.230313mzl4w4u92", kCursor},
    {"dev.zed.Zed", kZed},
    {"com.sublimetext.4", kSublime},
    {"com.jetbrains.rider", kRider},
    {"com.jetbrains.intellij", kIntelliJ},
    {"com.jetbrains.WebStorm", kWebStorm},
    {"com.jetbrains.pycharm", kPyCharm},
    {"com.jetbrains.goland", kGoLand},
    {"com.jetbrains.CLion", kCLion},
    {"com.google.android.studio", kAndroidStudio},
    {"com.apple.Terminal", kTerminal},
    {"dev.warp.Warp-Stable", kWarp},
    {"com.mitchellh.ghostty", kGhostty},
}};

using AppInfo = GObjectPtr<GDesktopAppInfo>;

// GIO leaves out entries marked Hidden and entries whose TryExec program is missing.
AppInfo load(const char* desktopID) { return AppInfo(g_desktop_app_info_new(desktopID)); }

std::optional<AppLocation> locationOf(const AppInfo& info) {
  const char* file = g_desktop_app_info_get_filename(info.get());
  if (!file) return std::nullopt;
  const char* name = g_app_info_get_name(G_APP_INFO(info.get()));
  return AppLocation{file, name ? name : ""};
}

class DesktopWorkspace final : public Workspace {
 public:
  std::optional<AppLocation> applicationURL(std::string_view bundleID) const override {
    if (bundleID.empty() || bundleID.find('/') != std::string_view::npos) return std::nullopt;
    if (auto direct = load((std::string(bundleID) + ".desktop").c_str())) return locationOf(direct);
    for (const auto& known : kKnown) {
      if (known.bundleID != bundleID) continue;
      for (const char* id : known.desktopIDs) {
        if (auto info = load(id)) return locationOf(info);
      }
    }
    return std::nullopt;
  }

  bool hasApplicationsOpening(std::string_view contentType) const override {
    GList* apps = g_app_info_get_all_for_type(std::string(contentType).c_str());
    const bool any = apps != nullptr;
    g_list_free_full(apps, g_object_unref);
    return any;
  }
};

}  // namespace

std::shared_ptr<const Workspace> systemWorkspace() {
  static const auto workspace = std::make_shared<const DesktopWorkspace>();
  return workspace;
}

}  // namespace nimbra::platform
