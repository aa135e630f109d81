#pragma once
// The freedesktop icon name of a menu icon, for hosts that show themed icons.

#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include "nimbra/AppLocating.h"
#include "nimbra/MenuIcon.h"

namespace nimbra::extension {

class FreedesktopIcons {
 public:
  // Applications' icons come from `apps` (the menus' cached locator).
  explicit FreedesktopIcons(std::shared_ptr<const AppLocating> apps) : apps_(std::move(apps)) {}

  // A theme icon name (or an image file for some applications); empty when there
  // is none. Content types and symbols are looked up once per process.
  std::string name(const MenuIcon& icon) const;

 private:
  std::shared_ptr<const AppLocating> apps_;
  mutable std::mutex mutex_;
  mutable std::unordered_map<MenuIcon, std::string> names_;
};

}  // namespace nimbra::extension
