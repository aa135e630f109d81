#include "ThunarHost.h"

#include <gio/gio.h>

namespace nimbra::thunar {

bool ThunarHost::renameDirectly(const std::filesystem::path& item) {
  // Thunar's own connection exists already: getting it does not wait.
  const platform::GObjectPtr<GDBusConnection> bus(g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr));
  if (!bus) return false;
  const auto uri = platform::fileURI(item);
  // The reply tells nothing the user would not see; it is not waited for.
  g_dbus_connection_call(bus.get(), "org.xfce.FileManager", "/org/xfce/FileManager", "org.xfce.FileManager", "RenameFile",
                         g_variant_new("(sss)", uri.c_str(), "", ""), nullptr, G_DBUS_CALL_FLAGS_NO_AUTO_START, -1,
                         nullptr, nullptr, nullptr);
  return true;
}

}  // namespace nimbra::thunar
