// The Nemo module: its API's table, its menu provider and the three entry points
// Nemo looks up; nothing else is exported.

#include <gtk/gtk.h>

extern "C" {
#include <libnemo-extension/nemo-file-info.h>
#include <libnemo-extension/nemo-menu-item.h>
#include <libnemo-extension/nemo-menu-provider.h>
}

#include "Gtk3Host.h"
#include "Module.h"

namespace {

using nimbra::hosts::ModuleExtension;
using nimbra::hosts::module::answer;

const nimbra::hosts::HostApi kNemo{
    "Nemo",
    [](const char* name, const char* label, const char* icon) {
      return G_OBJECT(nemo_menu_item_new(name, label, "", icon));
    },
    [](const char* name) { return G_OBJECT(nemo_menu_item_new_separator(name)); },
    [] { return G_OBJECT(nemo_menu_new()); },
    [](GObject* menu, GObject* item) { nemo_menu_append_item(NEMO_MENU(menu), NEMO_MENU_ITEM(item)); },
    [](GObject* item, GObject* menu) { nemo_menu_item_set_submenu(NEMO_MENU_ITEM(item), NEMO_MENU(menu)); },
    [](GObject* file) { return nemo_file_info_get_uri_scheme(NEMO_FILE_INFO(file)); },
    [](GObject* file) { return nemo_file_info_get_location(NEMO_FILE_INFO(file)); },
    [](GObject* file) { return nemo_file_info_is_directory(NEMO_FILE_INFO(file)) != FALSE; },
};

void initMenuProvider(gpointer iface, gpointer) {
  auto* provider = static_cast<NemoMenuProviderIface*>(iface);
  provider->get_file_items = [](NemoMenuProvider*, GtkWidget* window, GList* files) {
    return answer([=](ModuleExtension& extension) { return extension.fileItems(files, reinterpret_cast<GObject*>(window)); });
  };
  provider->get_background_items = [](NemoMenuProvider*, GtkWidget*, NemoFileInfo* folder) {
    return answer([folder](ModuleExtension& extension) { return extension.backgroundItems(G_OBJECT(folder)); });
  };
}

GType registerType(GTypeModule* module) {
  return nimbra::hosts::module::registerProvider(module, kNemo, NEMO_TYPE_MENU_PROVIDER, initMenuProvider);
}

// Nemo asks for items only when a menu opens: the selection is not known after.
std::shared_ptr<nimbra::hosts::HostSession> makeHost() { return std::make_shared<nimbra::hosts::Gtk3Host>(false); }

}  // namespace

NIMBRA_GTYPE_MODULE_ENTRY_POINTS(nemo, kNemo, registerType, makeHost)
