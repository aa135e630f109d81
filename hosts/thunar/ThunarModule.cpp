// The Thunar module (thunarx 3): its API's table, its menu provider and the three
// entry points Thunar looks up; nothing else is exported.

#include <gtk/gtk.h>

extern "C" {
#include <thunarx/thunarx.h>
}

#include "Module.h"
#include "ThunarHost.h"

namespace {

using nimbra::hosts::ModuleExtension;
using nimbra::hosts::module::answer;

const nimbra::hosts::HostApi kThunar{
    "Thunar",
    [](const char* name, const char* label, const char* icon) {
      return G_OBJECT(thunarx_menu_item_new(name, label, nullptr, icon));
    },
    nullptr,  // Thunar's extension menus have no separators
    [] { return G_OBJECT(thunarx_menu_new()); },
    [](GObject* menu, GObject* item) { thunarx_menu_append_item(THUNARX_MENU(menu), THUNARX_MENU_ITEM(item)); },
    [](GObject* item, GObject* menu) { thunarx_menu_item_set_menu(THUNARX_MENU_ITEM(item), THUNARX_MENU(menu)); },
    [](GObject* file) { return thunarx_file_info_get_uri_scheme(THUNARX_FILE_INFO(file)); },
    [](GObject* file) { return thunarx_file_info_get_location(THUNARX_FILE_INFO(file)); },
    [](GObject* file) { return thunarx_file_info_is_directory(THUNARX_FILE_INFO(file)) != FALSE; },
};

void initMenuProvider(gpointer iface, gpointer) {
  auto* provider = static_cast<ThunarxMenuProviderIface*>(iface);
  provider->get_file_menu_items = [](ThunarxMenuProvider*, GtkWidget* window, GList* files) {
    return answer([=](ModuleExtension& extension) { return extension.fileItems(files, reinterpret_cast<GObject*>(window)); });
  };
  provider->get_folder_menu_items = [](ThunarxMenuProvider*, GtkWidget*, ThunarxFileInfo* folder) {
    return answer([folder](ModuleExtension& extension) { return extension.backgroundItems(G_OBJECT(folder)); });
  };
}

// Thunar registers types through its plugin interface, not on a GTypeModule.
GType registerType(ThunarxProviderPlugin* plugin) {
  namespace module = nimbra::hosts::module;
  const GType type = thunarx_provider_plugin_register_type(plugin, G_TYPE_OBJECT, module::providerName(kThunar).c_str(),
                                                           &module::providerInfo(), GTypeFlags(0));
  const GInterfaceInfo menus = {initMenuProvider, nullptr, nullptr};
  thunarx_provider_plugin_add_interface(plugin, type, THUNARX_TYPE_MENU_PROVIDER, &menus);
  return type;
}

}  // namespace

NIMBRA_EXPORT void thunar_extension_initialize(ThunarxProviderPlugin* plugin) {
  nimbra::hosts::module::initialize([plugin] { return registerType(plugin); }, kThunar,
                                    [] { return std::make_shared<nimbra::thunar::ThunarHost>(); });
}

NIMBRA_EXPORT void thunar_extension_shutdown(void) { nimbra::hosts::module::shutdown(); }

NIMBRA_EXPORT void thunar_extension_list_types(const GType** types, gint* count) {
  nimbra::hosts::module::listTypes(types, count);
}
