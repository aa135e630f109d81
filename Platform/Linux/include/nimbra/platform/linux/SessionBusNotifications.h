#pragma once
// Notifications as D-Bus broadcast signals (named in BusNames.h).

#include <memory>
#include <string_view>

#include "nimbra/platform/linux/SessionBus.h"
#include "nimbra/platform/Notifications.h"
#include "nimbra/platform/SystemLog.h"

namespace nimbra::platform {

// Signals on the session bus. A post has been written to the bus when it returns,
// so a process may exit right after it. Problems are logged to `log`.
std::shared_ptr<Notifications> sessionBusNotifications(std::shared_ptr<SessionBus> bus, std::shared_ptr<SystemLog> log);
// The same on the process's shared bus.
std::shared_ptr<Notifications> sessionBusNotifications(std::shared_ptr<SystemLog> log);

// Hears those signals, with a match on the name so that the bus sends only theirs.
// Heard on the thread-default main context of the thread that listens.
std::shared_ptr<NotificationListener> sessionBusListener(std::shared_ptr<SessionBus> bus = SessionBus::shared());

}  // namespace nimbra::platform
