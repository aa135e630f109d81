#pragma once
// Notifications as D-Bus broadcast signals (named in BusNames.h).

#include <memory>
#include <string_view>

#include "nimbra/platform/linux/SessionBus.h"
#include "nimbra/platform/Notifications.h"
#include "nimbra/platform/SystemLog.h"

namespace nimbra::platform {

std::shared_ptr<Notifications> sessionBusNotifications(std::shared_ptr<SessionBus> bus, std::shared_ptr<SystemLog> log);

}  // namespace nimbra::platform
