#pragma once
// Prints a menu tree as the command-line host shows it: indented text or JSON.

#include <span>
#include <string>
#include <vector>

#include "nimbra/MenuNode.h"

namespace nimbra::cli {

// One line a node, two spaces of indent per submenu level. Fills `actions` with the leaves' actions.
std::string menuText(std::span<const MenuNode> nodes, std::vector<MenuAction>& actions);
// An array of single-key node objects; "[]" for an empty menu.
std::string menuJson(std::span<const MenuNode> nodes, std::vector<MenuAction>& actions);

}  // namespace nimbra::cli
