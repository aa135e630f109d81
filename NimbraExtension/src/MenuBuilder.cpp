#include "nimbra/extension/MenuBuilder.h"

#include "nimbra/StringTable.h"
#include "nimbra/platform/ContentTypes.h"

namespace nimbra::extension {
namespace {

MenuIcon symbol(const char* name) { return MenuIcon::Symbol{name}; }

const char* sendToSymbol(SendToAction action) {
  switch (action) {
    case SendToAction::zip: return "doc.zipper";
    case SendToAction::desktopCopy: return "desktopcomputer";
    case SendToAction::desktop: return "menubar.dock.rectangle";
    case SendToAction::documents: return "doc.text";
    case SendToAction::otherFolder: return "folder";
  }
  return "questionmark";
}

bool isListed(const NewItem& item, const MenuInputs& inputs) {
  if (!item.enabled) return false;
  const auto* bundled = item.kind.as<NewItemKind::Bundled>();
  if (!bundled) return true;
  if (!inputs.templateExists || !inputs.templateExists(bundled->resource)) return false;
  return inputs.showUnopenableTypes || (inputs.canOpen && inputs.canOpen(item));
}

}  // namespace

std::vector<MenuNode> newItemNodes(const MenuInputs& inputs, const MenuContext& context) {
  std::vector<MenuNode> nodes;
  for (const auto& item : inputs.newItems) {
    if (!isListed(item, inputs)) continue;
    nodes.emplace_back(MenuNode::Action{item.label(context.strings), newItemIcon(item, context.contentTypes), MenuAction::Create{item.id}});
  }
  return nodes;
}

std::optional<MenuNode> sendToNode(const MenuInputs& inputs, const MenuContext& context) {
  std::vector<MenuNode> leaves;
  for (const auto& entry : inputs.sendTo) {
    if (!entry.enabled) continue;
    leaves.emplace_back(MenuNode::Action{context.strings.text(entry.action.titleKey()), symbol(sendToSymbol(entry.action)),
                                         MenuAction::SendTo{entry.action}});
  }
  if (leaves.empty()) return std::nullopt;
  return MenuNode::Submenu{context.strings.text("menu.sendTo"), symbol("paperplane"), std::move(leaves)};
}

std::optional<MenuNode> openWithNode(const MenuInputs& inputs, const MenuContext& context) {
  std::vector<MenuNode> leaves;
  for (const auto& entry : inputs.openWith) {
    if (!entry.enabled || !inputs.locator) continue;
    auto location = inputs.locator->applicationURL(entry.bundleID);
    if (!location) continue;
    const auto known = OpenWithEntry::knownAppName(entry.bundleID);
    std::string title = known ? std::string(*known) : std::move(location->name);
    leaves.emplace_back(
        MenuNode::Action{std::move(title), MenuIcon::App{entry.bundleID}, MenuAction::OpenWith{entry.bundleID}});
  }
  if (leaves.empty()) return std::nullopt;
  return MenuNode::Submenu{context.strings.text("menu.openWith"), symbol("arrow.up.forward.app"), std::move(leaves)};
}

MenuNode customizeNode(const MenuContext& context) {
  return MenuNode::Action{context.strings.text("menu.customize"), std::nullopt, MenuAction::Customize{}};
}

std::vector<MenuNode> buildMenu(MenuKind kind, const MenuInputs* inputs, const MenuContext& context) {
  if (!inputs) return {MenuNode::Action{context.strings.text("menu.finishSetup"), std::nullopt, MenuAction::FinishSetup{}}};

  auto openWith = openWithNode(*inputs, context);
  std::vector<MenuNode> result;
  switch (kind) {
    case MenuKind::contextualMenuForItems:
      if (auto sendTo = sendToNode(*inputs, context)) result.push_back(std::move(*sendTo));
      if (openWith && inputs->selectionIsFoldersOnly) result.push_back(std::move(*openWith));
      return result;
    case MenuKind::toolbarItemMenu:
      result = newItemNodes(*inputs, context);
      if (openWith) {
        result.emplace_back(MenuNode::Separator{});
        result.push_back(std::move(*openWith));
      }
      result.emplace_back(MenuNode::Separator{});
      result.push_back(customizeNode(context));
      return result;
    case MenuKind::contextualMenuForSidebar:
      if (openWith) result.push_back(std::move(*openWith));
      return result;
    case MenuKind::contextualMenuForContainer:
    default: {
      auto leaves = newItemNodes(*inputs, context);
      if (leaves.empty()) {
        result.push_back(customizeNode(context));
      } else if (inputs->groupNewItems) {
        result.emplace_back(MenuNode::Submenu{context.strings.text("menu.new"), symbol("plus.circle"), std::move(leaves)});
      } else {
        result = std::move(leaves);
      }
      if (openWith) result.push_back(std::move(*openWith));
      return result;
    }
  }
}

}  // namespace nimbra::extension
