#pragma once
// Renders the menu of a request as the command-line host shows it: indented
// text or JSON. The leaves are numbered by FinderSync, which keeps their actions.

#include <span>
#include <string>

#include "nimbra/extension/FinderSync.h"

namespace nimbra::cli {

// Text: one line a node, two spaces of indent per submenu level; nothing for no menu.
// JSON: an array of single-key node objects; "[]" for no menu.
std::string printMenu(extension::FinderSync& sync, MenuKind kind, std::span<const extension::SelectedItem> selection,
                      bool json);

}  // namespace nimbra::cli
