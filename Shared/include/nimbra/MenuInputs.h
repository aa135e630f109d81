#pragma once
// The per-request snapshot a menu is built from.

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "nimbra/AppLocating.h"
#include "nimbra/NewItem.h"
#include "nimbra/OpenWithEntry.h"
#include "nimbra/SendTo.h"

namespace nimbra {

// The host's menu kinds; any other value is treated as the container menu.
enum class MenuKind : int {
  contextualMenuForItems = 0,
  contextualMenuForContainer = 1,
  contextualMenuForSidebar = 2,
  toolbarItemMenu = 3,
};

struct MenuInputs {
  std::vector<NewItem> newItems;
  std::vector<SendToEntry> sendTo;
  std::vector<OpenWithEntry> openWith;
  bool groupNewItems = true;
  bool showUnopenableTypes = false;
  // Whether some installed application opens the item's content type.
  std::function<bool(const NewItem&)> canOpen;
  // Whether the named template resource is present.
  std::function<bool(std::string_view resource)> templateExists;
  std::shared_ptr<const AppLocating> locator;
  bool selectionIsFoldersOnly = false;
};

}  // namespace nimbra
