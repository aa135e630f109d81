// Installed applications are freedesktop desktop entries in the XDG data dirs: the
// application with identifier B is the entry "B.desktop".

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <string_view>

#include "nimbra/platform/Workspace.h"
#include "nimbra/platform/linux/InstalledApplications.h"
#include "nimbra/platform/linux/GioSupport.h"

namespace nimbra::platform {
namespace {

using AppInfo = GObjectPtr<GDesktopAppInfo>;

// GIO leaves out entries marked Hidden and entries whose TryExec program is missing.
AppInfo load(const char* desktopID) { return AppInfo(g_desktop_app_info_new(desktopID)); }

std::optional<AppLocation> locationOf(GDesktopAppInfo* info) {
  const char* file = g_desktop_app_info_get_filename(info);
  if (!file) return std::nullopt;
  const char* given = g_app_info_get_name(G_APP_INFO(info));
  std::string name = given ? given : "";
  // An entry may say "Name=": a menu item and a list row need words, and its identifier names it.
  if (const char* id = g_app_info_get_id(G_APP_INFO(info)); name.empty() && id) {
    name = std::string_view(id).substr(0, std::string_view(id).rfind(".desktop"));
  }
  GIcon* icon = g_app_info_get_icon(G_APP_INFO(info));  // owned by the entry
  return AppLocation{file, std::move(name), icon ? takeString(g_icon_to_string(icon)) : std::string()};
}

class DesktopWorkspace final : public Workspace {
 public:
  std::optional<AppLocation> applicationURL(std::string_view bundleID) const override {
    if (bundleID.empty() || bundleID.find('/') != std::string_view::npos) return std::nullopt;
    if (auto info = load((std::string(bundleID) + ".desktop").c_str())) return locationOf(info.get());
    return std::nullopt;
  }

  // Only applications registered for the type itself (or an alias of it): one that
  // opens a parent type, as an archive manager opens every zip-based document, does not count.
  bool hasApplicationsOpening(std::string_view contentType) const override {
    GList* apps = g_app_info_get_recommended_for_type(std::string(contentType).c_str());
    const bool any = apps != nullptr;
    g_list_free_full(apps, g_object_unref);
    return any;
  }
};

}  // namespace

std::vector<AppLocation> installedApplications() {
  std::vector<AppLocation> apps;
  GList* all = g_app_info_get_all();
  for (GList* it = all; it; it = it->next) {
    auto* info = G_APP_INFO(it->data);
    // Entries hidden from menus (NoDisplay, other desktops' only) are helpers, not apps to pick.
    if (!G_IS_DESKTOP_APP_INFO(info) || !g_app_info_should_show(info)) continue;
    if (auto location = locationOf(G_DESKTOP_APP_INFO(info))) apps.push_back(std::move(*location));
  }
  g_list_free_full(all, g_object_unref);
  return apps;
}

std::shared_ptr<const Workspace> systemWorkspace() {
  static const auto workspace = std::make_shared<const DesktopWorkspace>();
  return workspace;
}

}  // namespace nimbra::platform
