#pragma once
// The platform-free menu tree.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "nimbra/MenuAction.h"
#include "nimbra/MenuIcon.h"

namespace nimbra {

struct MenuNode {
  struct Action {
    std::string title;
    std::optional<MenuIcon> icon;
    MenuAction action;
    bool operator==(const Action&) const = default;
  };
  struct Submenu {
    std::string title;
    std::optional<MenuIcon> icon;
    std::vector<MenuNode> children;
    bool operator==(const Submenu&) const;
  };
  struct Separator { bool operator==(const Separator&) const = default; };

  using Case = std::variant<Action, Submenu, Separator>;
  Case value;

  template <class C>
    requires std::is_constructible_v<Case, C>
  MenuNode(C c) : value(std::move(c)) {}

  template <class C> const C* as() const { return std::get_if<C>(&value); }
  bool operator==(const MenuNode&) const = default;
};

inline bool MenuNode::Submenu::operator==(const Submenu& o) const {
  return title == o.title && icon == o.icon && children == o.children;
}

}  // namespace nimbra
