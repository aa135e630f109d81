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

}  // namespace nimbra::platform
