#pragma once
// The names our programs use on the session bus, kept apart from GIO's headers for
// the Qt app too.

namespace nimbra::platform {

// Owned by the file-manager module while it is loaded with the menus switched on.
inline constexpr const char* kExtensionBusName = "ai.corvane.nimbra.Extension";

// Notifications are broadcast signals: no destination, this path, interface and
// member, one string argument, the notification's name.
inline constexpr const char* kNotificationsPath = "/ai/corvane/nimbra";
inline constexpr const char* kNotificationsInterface = "ai.corvane.nimbra.Notifications";
inline constexpr const char* kNotificationsMember = "Posted";

}  // namespace nimbra::platform
