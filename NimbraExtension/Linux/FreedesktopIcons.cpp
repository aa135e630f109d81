#include "nimbra/extension/linux/FreedesktopIcons.h"

#include "nimbra/platform/linux/GioSupport.h"
#include "nimbra/platform/linux/SymbolIcons.h"

namespace nimbra::extension {
namespace {

std::string contentTypeIcon(const std::string& type) {
  const platform::GObjectPtr<GIcon> icon(g_content_type_get_icon(type.c_str()));
  if (!icon || !G_IS_THEMED_ICON(icon.get())) return {};
  const gchar* const* names = g_themed_icon_get_names(G_THEMED_ICON(icon.get()));
  return names && names[0] ? names[0] : std::string();
}

}  // namespace

std::string FreedesktopIcons::name(const MenuIcon& icon) const {
  // Applications come and go: their locator already remembers them for a minute.
  if (const auto* app = icon.as<MenuIcon::App>()) {
    const auto location = apps_->applicationURL(app->bundleID);
    return location ? location->icon : std::string();
  }
  {
    std::lock_guard lock(mutex_);
    if (const auto it = names_.find(icon); it != names_.end()) return it->second;
  }
  std::string found;
  if (const auto* type = icon.as<MenuIcon::ContentType>()) found = contentTypeIcon(type->identifier);
  if (const auto* symbol = icon.as<MenuIcon::Symbol>()) found = platform::symbolIconName(symbol->name);
  if (icon.as<MenuIcon::Folder>()) found = "folder";
  std::lock_guard lock(mutex_);
  return names_.emplace(icon, std::move(found)).first->second;
}

}  // namespace nimbra::extension
