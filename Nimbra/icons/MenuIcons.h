#pragma once
// The images of menu icons in the app: content types from the icon theme (the MIME
// type's icon, else its generic one), applications from their desktop entries, the
// menus' symbols through the one symbol table, tinted for the appearance. Main thread.

#include <QIcon>
#include <QPixmap>

#include <memory>
#include <string>
#include <unordered_map>

#include "nimbra/AppLocating.h"
#include "nimbra/MenuIcon.h"

namespace nimbra::icons {

class MenuIcons {
 public:
  // Applications are looked up through `apps` (the platform, not a cache).
  explicit MenuIcons(std::shared_ptr<const AppLocating> apps) : apps_(std::move(apps)) {}

  // 16 × 16 on a 32 × 32 bitmap; null when there is none. Drawn once per icon and
  // appearance; an icon that could not be drawn stays without an image.
  QPixmap image(const MenuIcon& icon, bool dark) const;

  // An icon as a desktop entry gives it (AppLocation::icon): a theme name, GIO's
  // text of a themed icon, or an image file.
  static QIcon fromEntry(const std::string& icon);
  // A symbol of any size in the appearance's text colour, drawn anew; null when there is none.
  static QPixmap symbol(const std::string& name, int points, bool dark);

 private:
  struct Key {
    MenuIcon icon;
    bool dark;
    bool operator==(const Key&) const = default;
  };
  struct KeyHash {
    std::size_t operator()(const Key& key) const noexcept { return std::hash<MenuIcon>{}(key.icon) * 2 + key.dark; }
  };

  QPixmap draw(const MenuIcon& icon, bool dark) const;

  std::shared_ptr<const AppLocating> apps_;
  mutable std::unordered_map<Key, QPixmap, KeyHash> cache_;
};

}  // namespace nimbra::icons
