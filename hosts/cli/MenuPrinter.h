#pragma once
// Renders a menu tree as the command-line host shows it: indented text or JSON,
// the leaves numbered as every host numbers them.

#include <span>
#include <string>

#include "nimbra/MenuNode.h"

namespace nimbra::cli {

// Text: one line a node, two spaces of indent per submenu level; nothing for no menu.
// JSON: an array of single-key node objects; "[]" for no menu.
std::string printMenu(std::span<const MenuNode> nodes, bool json);

}  // namespace nimbra::cli
