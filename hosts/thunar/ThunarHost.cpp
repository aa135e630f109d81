#include "ThunarHost.h"

#include <gio/gio.h>

namespace nimbra::thunar {

bool ThunarHost::renameDirectly(const std::filesystem::path& item) {
  // Thunar's own connection exists already: getting it does not wait.
  GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
  if (!bus) return false;
  const auto uri = platform::fileURI(item);
  // Thunar answers once its rename dialog closes; the answer tells nothing the user
  // has not seen. The connection is kept until then, so the call is sent whole.
  g_dbus_connection_call(
      bus, "org.xfce.FileManager", "/org/xfce/FileManager", "org.xfce.FileManager", "RenameFile",
      g_variant_new("(sss)", uri.c_str(), "", ""), nullptr, G_DBUS_CALL_FLAGS_NO_AUTO_START, G_MAXINT, nullptr,
      [](GObject* connection, GAsyncResult* result, gpointer) {
        if (GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(connection), result, nullptr)) {
          g_variant_unref(reply);
        }
        g_object_unref(connection);
      },
      nullptr);
  return true;
}

}  // namespace nimbra::thunar
