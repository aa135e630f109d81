#pragma once
// Owning pointers for what GLib hands out (strings and blocks, objects) and the
// file URIs GIO speaks.

#include <gio/gio.h>

#include <filesystem>
#include <memory>
#include <string>

namespace nimbra::platform {

struct GFreeDeleter {
  void operator()(gpointer p) const { g_free(p); }
};
struct GObjectDeleter {
  void operator()(gpointer p) const { g_object_unref(p); }
};

using GCharPtr = std::unique_ptr<gchar, GFreeDeleter>;
template <class T>
using GObjectPtr = std::unique_ptr<T, GObjectDeleter>;

// A string GLib allocated, copied and freed; empty for null.
inline std::string takeString(gchar* text) {
  const GCharPtr owned(text);
  return owned ? std::string(owned.get()) : std::string();
}

// "file:///a/b%20c" for "/a/b c".
inline std::string fileURI(const std::filesystem::path& path) {
  const GObjectPtr<GFile> file(g_file_new_for_path(path.c_str()));
  return takeString(g_file_get_uri(file.get()));
}

}  // namespace nimbra::platform
