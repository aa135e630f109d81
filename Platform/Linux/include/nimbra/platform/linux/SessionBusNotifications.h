#pragma once
// Notifications as D-Bus broadcast signals: no destination, object path
// "/ai/corvane/nimbra", interface "ai.corvane.nimbra.Notifications", member
// "Posted", one string argument, the notification's name.

#include <memory>
#include <string_view>

#include "nimbra/platform/linux/SessionBus.h"
#include "nimbra/platform/Notifications.h"
#include "nimbra/platform/SystemLog.h"

namespace nimbra::platform {

inline constexpr const char* kNotificationsPath = "/ai/corvane/nimbra";
inline constexpr const char* kNotificationsInterface = "ai.corvane.nimbra.Notifications";
inline constexpr const char* kNotificationsMember = "Posted";

std::shared_ptr<Notifications> sessionBusNotifications(std::shared_ptr<SessionBus> bus, std::shared_ptr<SystemLog> log);

}  // namespace nimbra::platform
