#pragma once
// A menu tree as a file manager's menu items. Every leaf carries its own action and
// the folder and selection the menu was built for: activating it performs exactly that.

#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "HostApi.h"
#include "MenuRequest.h"
#include "nimbra/MenuInputs.h"
#include "nimbra/extension/FinderSync.h"
#include "nimbra/extension/linux/FreedesktopIcons.h"

namespace nimbra::hosts {

// The items (a list the file manager takes over), or nothing for no menu.
GList* menuItems(const HostApi& api, const std::shared_ptr<extension::FinderSync>& sync,
                 const extension::FreedesktopIcons& icons, std::span<const MenuNode> nodes, const MenuRequest& request);

}  // namespace nimbra::hosts
