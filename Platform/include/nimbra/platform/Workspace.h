#pragma once
// The installed applications, as the platform knows them.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace nimbra {

struct AppLocation {
  std::filesystem::path url;  // where the application lives (its desktop entry on Linux)
  std::string name;           // the name the system shows for it, in the user's language
  std::string icon = {};      // its icon: a theme icon name or an image file; empty for none
  bool operator==(const AppLocation&) const = default;
};

namespace platform {

class Workspace {
 public:
  virtual ~Workspace() = default;
  // The installed application with this bundle identifier; nothing when none is.
  virtual std::optional<AppLocation> applicationURL(std::string_view bundleID) const = 0;
  // Whether some installed application opens this content type itself (or an alias of
  // it); applications that open only a parent type do not count.
  virtual bool hasApplicationsOpening(std::string_view contentType) const = 0;
};

// Desktop entries in the XDG data dirs, through GIO. Callable from any thread.
std::shared_ptr<const Workspace> systemWorkspace();

}  // namespace platform
}  // namespace nimbra
