// The Nautilus 43 module (extension API 4): its API's table, its menu provider and
// the three entry points Nautilus looks up; nothing else is exported.

#include "Module.h"
#include "NautilusExtensionApi.h"
#include "NautilusHost.h"

namespace {

using nimbra::hosts::module::answer;
using nimbra::hosts::ModuleExtension;

const nimbra::hosts::HostApi kNautilus{
    "Nautilus",
    [](const char* name, const char* label, const char* icon) {
      return G_OBJECT(nautilus_menu_item_new(name, label, nullptr, icon));
    },
    nullptr,  // Nautilus menus have no separators
    [] { return G_OBJECT(nautilus_menu_new()); },
    [](GObject* menu, GObject* item) { nautilus_menu_append_item(NAUTILUS_MENU(menu), NAUTILUS_MENU_ITEM(item)); },
    [](GObject* item, GObject* menu) { nautilus_menu_item_set_submenu(NAUTILUS_MENU_ITEM(item), NAUTILUS_MENU(menu)); },
    [](GObject* file) { return nautilus_file_info_get_uri_scheme(NAUTILUS_FILE_INFO(file)); },
    [](GObject* file) { return nautilus_file_info_get_location(NAUTILUS_FILE_INFO(file)); },
    [](GObject* file) { return nautilus_file_info_is_directory(NAUTILUS_FILE_INFO(file)) != FALSE; },
};

void initMenuProvider(gpointer iface, gpointer) {
  auto* provider = static_cast<NautilusMenuProviderInterface*>(iface);
  provider->get_file_items = [](NautilusMenuProvider*, GList* files) {
    return answer([files](ModuleExtension& extension) { return extension.fileItems(files); });
  };
  provider->get_background_items = [](NautilusMenuProvider*, NautilusFileInfo* folder) {
    return answer([folder](ModuleExtension& extension) { return extension.backgroundItems(G_OBJECT(folder)); });
  };
}

GType registerType(GTypeModule* module) {
  return nimbra::hosts::module::registerProvider(module, kNautilus, NAUTILUS_TYPE_MENU_PROVIDER, initMenuProvider);
}

std::shared_ptr<nimbra::hosts::HostSession> makeHost() { return std::make_shared<nimbra::nautilus::NautilusHost>(); }

}  // namespace

NIMBRA_GTYPE_MODULE_ENTRY_POINTS(nautilus, kNautilus, registerType, makeHost)
