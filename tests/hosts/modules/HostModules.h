#pragma once
// The built modules loaded the way their file managers load them, and asked for
// menus the way they ask, through a GTypeModule of the test's own that calls the
// entry points. One fake file description serves all four APIs.

#include <gio/gio.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace nimbra::testing {

// A loaded module's provider objects; destroying them lets the module be unloaded.
class LoadedModule {
 public:
  virtual ~LoadedModule();
  // Makes one object of each provider type the module lists.
  virtual void load() = 0;
  // Drops the objects. GLib keeps a type plugin whose class was made, so the
  // module's code stays: only its objects go.
  void unload();
  GObject* provider(GType interface) const;

 protected:
  std::vector<GObject*> objects_;
};

// How a file manager asks its menu providers, and reads the submenus they return.
struct HostCase {
  std::string name;  // "nemo"
  std::filesystem::path builtModule;
  std::unique_ptr<LoadedModule> (*load)(const std::filesystem::path& module);
  GType providerInterface;
  GList* (*background)(GObject* provider, GObject* folder);
  GList* (*files)(GObject* provider, GList* files);
  GList* (*submenuItems)(GObject* menu);
};

extern const HostCase kNautilus, kNemo, kCaja, kThunar;
// Test names show the file manager, not the address of its case.
inline void PrintTo(const HostCase* host, std::ostream* out) { *out << host->name; }

// A file as every API describes it: where it is and whether it is a folder.
GObject* fakeFile(const char* uri, bool isDirectory);

}  // namespace nimbra::testing
