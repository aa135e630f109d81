#pragma once
// Finds the installed application for a bundle identifier.

#include <memory>
#include <optional>
#include <string_view>

#include "nimbra/platform/Workspace.h"

namespace nimbra {

class AppLocating {
 public:
  virtual ~AppLocating() = default;
  // Nothing when no such application is installed. Callable from any thread.
  virtual std::optional<AppLocation> applicationURL(std::string_view bundleID) const = 0;
};

// Asks the platform every time: for the identifier, then for the other identifiers
// a known application is installed under.
class WorkspaceAppLocator final : public AppLocating {
 public:
  explicit WorkspaceAppLocator(std::shared_ptr<const platform::Workspace> workspace) : workspace_(std::move(workspace)) {}
  std::optional<AppLocation> applicationURL(std::string_view bundleID) const override;

 private:
  std::shared_ptr<const platform::Workspace> workspace_;
};

}  // namespace nimbra
