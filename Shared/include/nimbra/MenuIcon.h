#pragma once
// The icon of a menu entry, described abstractly; hosts draw it.

#include <optional>
#include <string>
#include <variant>

#include "nimbra/Hashing.h"

namespace nimbra {

struct NewItem;
namespace platform { class ContentTypes; }

struct MenuIcon {
  struct ContentType {
    std::string identifier;
    bool operator==(const ContentType&) const = default;
  };
  struct App {
    std::string bundleID;
    bool operator==(const App&) const = default;
  };
  struct Symbol {
    std::string name;
    bool operator==(const Symbol&) const = default;
  };
  struct Folder { bool operator==(const Folder&) const = default; };

  using Case = std::variant<ContentType, App, Symbol, Folder>;
  Case value;

  template <class C>
    requires std::is_constructible_v<Case, C>
  MenuIcon(C c) : value(std::move(c)) {}

  template <class C> const C* as() const { return std::get_if<C>(&value); }
  bool operator==(const MenuIcon&) const = default;
};

// The icon of a New entry, the same in the menu and in the app: the folder for
// folders, the alias symbol, else its content type's; none without a type.
std::optional<MenuIcon> newItemIcon(const NewItem& item, const platform::ContentTypes& types);

}  // namespace nimbra

template <>
struct std::hash<nimbra::MenuIcon> {
  std::size_t operator()(const nimbra::MenuIcon& icon) const noexcept;
};
