#pragma once
// Kept apart from the session bus's GIO headers, for the Qt app too.

namespace nimbra::platform {

// Owned by the file-manager module while it is loaded with the menus switched on.
inline constexpr const char* kExtensionBusName = "ai.corvane.nimbra.Extension";

}  // namespace nimbra::platform
