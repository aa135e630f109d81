#pragma once
// Turns a menu request into the menu tree. Pure: everything it needs comes in.

#include <optional>
#include <vector>

#include "nimbra/MenuInputs.h"
#include "nimbra/MenuNode.h"

namespace nimbra {
class StringTable;
namespace platform { class ContentTypes; }
}  // namespace nimbra

namespace nimbra::extension {

// What the builder reads besides the request: the extension's texts and the type system.
struct MenuContext {
  const StringTable& strings;
  const platform::ContentTypes& contentTypes;
};

// `inputs` is null when the settings store cannot be reached.
std::vector<MenuNode> buildMenu(MenuKind kind, const MenuInputs* inputs, const MenuContext& context);

std::vector<MenuNode> newItemNodes(const MenuInputs& inputs, const MenuContext& context);
std::optional<MenuNode> sendToNode(const MenuInputs& inputs, const MenuContext& context);
std::optional<MenuNode> openWithNode(const MenuInputs& inputs, const MenuContext& context);
MenuNode customizeNode(const MenuContext& context);

}  // namespace nimbra::extension
