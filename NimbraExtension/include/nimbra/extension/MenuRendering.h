#pragma once
// The one numbering of menu leaves that every host's renderer uses: each action
// leaf gets the index of its MenuAction in depth-first order as its tag.

#include <concepts>
#include <span>
#include <utility>
#include <vector>

#include "nimbra/MenuNode.h"

namespace nimbra::extension {

// A host supplies only its own menu type and how to add the three kinds of item.
template <class Host>
concept MenuRenderHost = requires(Host& host, typename Host::Menu& menu, typename Host::Menu child,
                                  const MenuNode::Action& action, const MenuNode::Submenu& submenu, long tag) {
  { host.makeMenu() } -> std::same_as<typename Host::Menu>;
  host.addSeparator(menu);
  host.addAction(menu, action, tag);
  host.addSubmenu(menu, submenu, std::move(child));
};

// Appends the leaves' actions to `actions`; tags continue from its current size.
template <MenuRenderHost Host>
typename Host::Menu render(Host& host, std::span<const MenuNode> nodes, std::vector<MenuAction>& actions) {
  auto menu = host.makeMenu();
  for (const auto& node : nodes) {
    if (const auto* action = node.as<MenuNode::Action>()) {
      host.addAction(menu, *action, static_cast<long>(actions.size()));
      actions.push_back(action->action);
    } else if (const auto* submenu = node.as<MenuNode::Submenu>()) {
      auto child = render(host, std::span<const MenuNode>(submenu->children), actions);
      host.addSubmenu(menu, *submenu, std::move(child));
    } else {
      host.addSeparator(menu);
    }
  }
  return menu;
}

}  // namespace nimbra::extension
