#pragma once
// Finds the installed application for a bundle identifier.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace nimbra {

struct AppLocation {
  std::filesystem::path url;  // where the application lives (its desktop entry on Linux)
  std::string name;           // the name the system shows for it
  bool operator==(const AppLocation&) const = default;
};

class AppLocating {
 public:
  virtual ~AppLocating() = default;
  // Nothing when no such application is installed. Callable from any thread.
  virtual std::optional<AppLocation> applicationURL(std::string_view bundleID) const = 0;
};

}  // namespace nimbra
