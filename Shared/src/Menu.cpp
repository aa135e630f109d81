#include "nimbra/MenuNode.h"
#include "nimbra/NewItem.h"

namespace nimbra {

std::optional<MenuIcon> newItemIcon(const NewItem& item, const platform::ContentTypes& types) {
  if (item.kind.is<NewItemKind::Folder>() || item.kind.is<NewItemKind::DatedFolder>()) return MenuIcon::Folder{};
  if (item.kind.is<NewItemKind::Alias>()) return MenuIcon::Symbol{"arrow.turn.up.right"};
  if (auto type = item.contentType(types)) return MenuIcon::ContentType{std::move(*type)};
  return std::nullopt;
}

std::string describe(const MenuAction& action) {
  return std::visit(
      [](const auto& a) -> std::string {
        using A = std::decay_t<decltype(a)>;
        if constexpr (std::is_same_v<A, MenuAction::Create>) return "create(" + a.itemID + ")";
        if constexpr (std::is_same_v<A, MenuAction::SendTo>) return "sendTo(" + std::string(a.action.rawValue()) + ")";
        if constexpr (std::is_same_v<A, MenuAction::OpenWith>) return "openWith(" + a.bundleID + ")";
        if constexpr (std::is_same_v<A, MenuAction::Customize>) return "customize";
        if constexpr (std::is_same_v<A, MenuAction::FinishSetup>) return "finishSetup";
      },
      action.value);
}

}  // namespace nimbra

std::size_t std::hash<nimbra::MenuIcon>::operator()(const nimbra::MenuIcon& icon) const noexcept {
  using I = nimbra::MenuIcon;
  std::size_t seed = icon.value.index();
  std::visit(
      [&](const auto& c) {
        using C = std::decay_t<decltype(c)>;
        if constexpr (std::is_same_v<C, I::ContentType>) nimbra::hashCombine(seed, std::hash<std::string>{}(c.identifier));
        if constexpr (std::is_same_v<C, I::App>) nimbra::hashCombine(seed, std::hash<std::string>{}(c.bundleID));
        if constexpr (std::is_same_v<C, I::Symbol>) nimbra::hashCombine(seed, std::hash<std::string>{}(c.name));
      },
      icon.value);
  return seed;
}

std::size_t std::hash<nimbra::MenuAction>::operator()(const nimbra::MenuAction& action) const noexcept {
  using A = nimbra::MenuAction;
  std::size_t seed = action.value.index();
  std::visit(
      [&](const auto& c) {
        using C = std::decay_t<decltype(c)>;
        if constexpr (std::is_same_v<C, A::Create>) nimbra::hashCombine(seed, std::hash<std::string>{}(c.itemID));
        if constexpr (std::is_same_v<C, A::SendTo>) nimbra::hashCombine(seed, std::hash<nimbra::SendToAction>{}(c.action));
        if constexpr (std::is_same_v<C, A::OpenWith>) nimbra::hashCombine(seed, std::hash<std::string>{}(c.bundleID));
      },
      action.value);
  return seed;
}
