#pragma once
// Whether someone owns a name on a test bus now, asked on a connection of its own.

#include <gio/gio.h>

#include <string>

namespace nimbra::testing {

inline bool busNameHasOwner(const std::string& busAddress, const char* name) {
  GDBusConnection* bus = g_dbus_connection_new_for_address_sync(
      busAddress.c_str(),
      GDBusConnectionFlags(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT | G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
      nullptr, nullptr, nullptr);
  if (!bus) return false;
  GVariant* reply = g_dbus_connection_call_sync(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                                "NameHasOwner", g_variant_new("(s)", name), G_VARIANT_TYPE("(b)"),
                                                G_DBUS_CALL_FLAGS_NONE, -1, nullptr, nullptr);
  gboolean owned = FALSE;
  if (reply) g_variant_get(reply, "(b)", &owned);
  if (reply) g_variant_unref(reply);
  g_object_unref(bus);
  return owned;
}

}  // namespace nimbra::testing
