#pragma once
// Owning pointers for what GLib hands out (strings and blocks, objects), the file
// URIs GIO speaks, and GLib's errors as platform failures.

#include <gio/gio.h>

#include <cerrno>
#include <filesystem>
#include <memory>
#include <string>

#include "nimbra/platform/Failure.h"

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

// A file of the local file system. Unlike g_file_new_for_path it never loads GVfs's
// modules, which a host process (Dolphin) may not have mapped.
inline GObjectPtr<GFile> localFile(const std::filesystem::path& path) {
  // A reference of our own, never dropped: GVfs's daemon VFS, when it finds no daemon
  // and is let go, drops one it never took.
  static GVfs* const local = G_VFS(g_object_ref(g_vfs_get_local()));
  return GObjectPtr<GFile>(g_vfs_get_file_for_path(local, path.c_str()));
}

// "file:///a/b%20c" for "/a/b c".
inline std::string fileURI(const std::filesystem::path& path) {
  const GObjectPtr<GFile> file = localFile(path);
  return takeString(g_file_get_uri(file.get()));
}

// The errno closest to a GLib error, for those that say why people would care.
inline int errnoOf(const GError* error) {
  if (!error) return EIO;
  if (error->domain == G_IO_ERROR) {
    switch (error->code) {
      case G_IO_ERROR_NOT_FOUND: return ENOENT;
      case G_IO_ERROR_EXISTS: return EEXIST;
      case G_IO_ERROR_PERMISSION_DENIED: return EACCES;
      case G_IO_ERROR_NO_SPACE: return ENOSPC;
      case G_IO_ERROR_READ_ONLY: return EROFS;
      case G_IO_ERROR_TIMED_OUT: return ETIMEDOUT;
      case G_IO_ERROR_NOT_SUPPORTED: return ENOTSUP;
      default: return EIO;
    }
  }
  if (error->domain == G_SPAWN_ERROR) {
    switch (error->code) {
      case G_SPAWN_ERROR_NOENT: return ENOENT;
      case G_SPAWN_ERROR_ACCES: case G_SPAWN_ERROR_PERM: return EACCES;
      case G_SPAWN_ERROR_NOMEM: return ENOMEM;
      default: return EIO;
    }
  }
  return EIO;
}

// Throws the Failure for a GLib error, which it frees; GLib's message is the detail.
[[noreturn]] inline void fail(Operation operation, GError* error, const std::filesystem::path& path) {
  const int code = errnoOf(error);
  std::string message = error ? error->message : "";
  if (error) g_error_free(error);
  throw Failure(operation, std::error_code(code, std::generic_category()), path, {}, std::move(message));
}

}  // namespace nimbra::platform
