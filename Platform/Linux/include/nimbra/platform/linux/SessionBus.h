#pragma once
// The process's own connection to the D-Bus session bus, shared by the
// notifications and the file manager. Our own connection rather than GLib's
// shared one: that one ends the process when the bus goes away, and a module
// must not change what its host's connection does.

#include "nimbra/platform/linux/GioSupport.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace nimbra::platform {

using Connection = GObjectPtr<GDBusConnection>;

class SessionBus {
 public:
  SessionBus() = default;
  ~SessionBus();
  SessionBus(const SessionBus&) = delete;
  SessionBus& operator=(const SessionBus&) = delete;

  // The connection, made on first use and again after the bus closed it;
  // nothing when there is no session bus. Never starts a bus of its own.
  Connection connection();

  // The process-wide bus; lives as long as the process.
  static std::shared_ptr<SessionBus> shared();

 private:
  std::mutex mutex_;  // serialises connecting; held only while connecting
  GDBusConnection* connection_ = nullptr;
};

// The process that owns `name` on the bus; nothing when nobody does. Asks the bus
// itself, which answers at once.
std::optional<std::uint32_t> nameOwnerProcess(GDBusConnection* connection, const std::string& name);

// $DBUS_SESSION_BUS_ADDRESS, else the socket "bus" in $XDG_RUNTIME_DIR. Unlike
// GLib's own lookup this never falls back to autolaunching a bus through X11.
std::optional<std::string> sessionBusAddress();

}  // namespace nimbra::platform
