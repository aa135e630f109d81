#pragma once
// A menu tree as Nautilus menu items. Every leaf carries its own action and the
// folder and selection the menu was built for: activating it performs exactly that.

#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "NautilusExtensionApi.h"
#include "nimbra/MenuInputs.h"
#include "nimbra/extension/FinderSync.h"
#include "nimbra/extension/linux/FreedesktopIcons.h"

namespace nimbra::nautilus {

struct MenuRequest {
  MenuKind kind;
  std::optional<std::filesystem::path> target;
  std::vector<std::filesystem::path> selection;
};

// The items for Nautilus (a list it takes over), or nothing for no menu.
GList* menuItems(const std::shared_ptr<extension::FinderSync>& sync, const extension::FreedesktopIcons& icons,
                 std::span<const MenuNode> nodes, const MenuRequest& request);

}  // namespace nimbra::nautilus
