#pragma once
// Loads the built module the way Nautilus does: a GTypeModule whose load opens the
// library and calls its entry points, and whose unload shuts it down and closes it.
// Also a NautilusFileInfo of the test's own, for the locations the providers are asked about.

#include <gio/gio.h>

extern "C" {
#include <nautilus-extension.h>
}

#include <filesystem>
#include <vector>

namespace nimbra::testing {

// The module's provider objects; destroying them lets the module be unloaded.
class LoadedModule {
 public:
  explicit LoadedModule(const std::filesystem::path& library);
  ~LoadedModule();
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;

  // use(), then one object of each listed type, then unuse(), as Nautilus does.
  void load();
  // Drops the objects. GLib keeps a type plugin whose class was made (it never lets
  // the last reference drop), so the module's code stays: only its objects go.
  void unload();

  NautilusMenuProvider* menuProvider() const;

 private:
  GTypeModule* module_;
  std::vector<GObject*> objects_;
};

// A file as Nautilus describes it: where it is and whether it is a folder.
NautilusFileInfo* fileInfo(const char* uri, bool isDirectory);

}  // namespace nimbra::testing
