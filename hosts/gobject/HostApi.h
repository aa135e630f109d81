#pragma once
// What a GObject file manager's extension API offers, under its own names: menu
// items, menus, and the files it describes. Nautilus, Nemo, Caja and Thunar have
// the same shapes; each host fills this table with its functions.

#include <gio/gio.h>

namespace nimbra::hosts {

struct HostApi {
  // Type names and item names are prefixed with this ("Nemo").
  const char* name;
  GObject* (*newItem)(const char* name, const char* label, const char* icon);
  // Nothing where the API has no separators.
  GObject* (*newSeparator)(const char* name);
  GObject* (*newMenu)();
  void (*appendItem)(GObject* menu, GObject* item);
  void (*setSubmenu)(GObject* item, GObject* menu);

  char* (*uriScheme)(GObject* file);
  GFile* (*location)(GObject* file);
  // A link to a folder counts as a folder.
  bool (*isDirectory)(GObject* file);
};

}  // namespace nimbra::hosts
