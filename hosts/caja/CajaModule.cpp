// The Caja module: its API's table, its menu provider and the three entry points
// Caja looks up; nothing else is exported.

#include <gtk/gtk.h>

extern "C" {
#include <libcaja-extension/caja-file-info.h>
#include <libcaja-extension/caja-menu.h>
#include <libcaja-extension/caja-menu-provider.h>
}

#include "Gtk3Host.h"
#include "Module.h"

namespace {

using nimbra::hosts::ModuleExtension;
using nimbra::hosts::module::answer;

const nimbra::hosts::HostApi kCaja{
    "Caja",
    [](const char* name, const char* label, const char* icon) {
      return G_OBJECT(caja_menu_item_new(name, label, "", icon));
    },
    nullptr,  // Caja's extension menus have no separators
    [] { return G_OBJECT(caja_menu_new()); },
    [](GObject* menu, GObject* item) { caja_menu_append_item(CAJA_MENU(menu), CAJA_MENU_ITEM(item)); },
    [](GObject* item, GObject* menu) { caja_menu_item_set_submenu(CAJA_MENU_ITEM(item), CAJA_MENU(menu)); },
    [](GObject* file) { return caja_file_info_get_uri_scheme(CAJA_FILE_INFO(file)); },
    [](GObject* file) { return caja_file_info_get_location(CAJA_FILE_INFO(file)); },
    [](GObject* file) { return caja_file_info_is_directory(CAJA_FILE_INFO(file)) != FALSE; },
};

void initMenuProvider(gpointer iface, gpointer) {
  auto* provider = static_cast<CajaMenuProviderIface*>(iface);
  provider->get_file_items = [](CajaMenuProvider*, GtkWidget* window, GList* files) {
    return answer([=](ModuleExtension& extension) { return extension.fileItems(files, reinterpret_cast<GObject*>(window)); });
  };
  provider->get_background_items = [](CajaMenuProvider*, GtkWidget*, CajaFileInfo* folder) {
    return answer([folder](ModuleExtension& extension) { return extension.backgroundItems(G_OBJECT(folder)); });
  };
}

GType registerType(GTypeModule* module) {
  return nimbra::hosts::module::registerProvider(module, kCaja, CAJA_TYPE_MENU_PROVIDER, initMenuProvider);
}

// Caja asks for items on every selection change, so the module knows its selection.
std::shared_ptr<nimbra::hosts::HostSession> makeHost() { return std::make_shared<nimbra::hosts::Gtk3Host>(true); }

}  // namespace

NIMBRA_GTYPE_MODULE_ENTRY_POINTS(caja, kCaja, registerType, makeHost)
