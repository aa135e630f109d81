#include "nimbra/platform/linux/SessionBus.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

namespace nimbra::platform {

std::optional<std::string> sessionBusAddress() {
  if (const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS"); address && *address) return address;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (!runtime || *runtime != '/') return std::nullopt;
  const auto socket = std::filesystem::path(runtime) / "bus";
  struct stat info {};
  if (::stat(socket.c_str(), &info) != 0 || !S_ISSOCK(info.st_mode)) return std::nullopt;
  return "unix:path=" + takeString(g_dbus_address_escape_value(socket.c_str()));
}

SessionBus::~SessionBus() {
  if (connection_) g_object_unref(connection_);
}

Connection SessionBus::connection() {
  std::lock_guard lock(mutex_);
  if (connection_ && g_dbus_connection_is_closed(connection_)) {
    g_object_unref(connection_);
    connection_ = nullptr;
  }
  if (!connection_) {
    const auto address = sessionBusAddress();
    if (!address) return nullptr;
    connection_ = g_dbus_connection_new_for_address_sync(
        address->c_str(),
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, nullptr);
    if (!connection_) return nullptr;
  }
  return Connection(G_DBUS_CONNECTION(g_object_ref(connection_)));
}

std::shared_ptr<SessionBus> SessionBus::shared() {
  // Never destroyed: a module unloads with its host, and a static destructor
  // must not touch a connection GLib may already have torn down.
  static auto* bus = new std::shared_ptr<SessionBus>(std::make_shared<SessionBus>());
  return *bus;
}

std::optional<std::uint32_t> nameOwnerProcess(GDBusConnection* connection, const std::string& name) {
  constexpr int timeoutMs = 2000;
  GVariant* reply = g_dbus_connection_call_sync(connection, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                "org.freedesktop.DBus", "GetConnectionUnixProcessID",
                                                g_variant_new("(s)", name.c_str()), G_VARIANT_TYPE("(u)"),
                                                G_DBUS_CALL_FLAGS_NO_AUTO_START, timeoutMs, nullptr, nullptr);
  if (!reply) return std::nullopt;
  guint32 pid = 0;
  g_variant_get(reply, "(u)", &pid);
  g_variant_unref(reply);
  return pid;
}

}  // namespace nimbra::platform
