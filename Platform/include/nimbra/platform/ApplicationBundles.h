#pragma once
// Reading an application bundle the user points at.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace nimbra::platform {

class ApplicationBundles {
 public:
  virtual ~ApplicationBundles() = default;
  // The bundle identifier of the application at `location`; nothing when the
  // location is not an application bundle or has no identifier.
  virtual std::optional<std::string> bundleIdentifier(const std::filesystem::path& location) const = 0;
};

// On Linux an application bundle is a desktop entry of type Application; its
// identifier is its desktop-file ID without ".desktop".
std::shared_ptr<const ApplicationBundles> systemApplicationBundles();

}  // namespace nimbra::platform
