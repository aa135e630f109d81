#include "MenuPrinter.h"

#include <nlohmann/json.hpp>

#include "nimbra/extension/MenuRendering.h"

namespace nimbra::cli {
namespace {

using Json = nlohmann::ordered_json;

struct TextHost {
  using Menu = std::vector<std::string>;
  Menu makeMenu() { return {}; }
  void addSeparator(Menu& menu) { menu.emplace_back("---"); }
  void addAction(Menu& menu, const MenuNode::Action& action, long tag) {
    menu.push_back("[" + std::to_string(tag) + "] " + action.title);
  }
  void addSubmenu(Menu& menu, const MenuNode::Submenu& submenu, Menu child) {
    menu.push_back(submenu.title + " \u25B8");
    for (auto& line : child) menu.push_back("  " + std::move(line));
  }
};

Json iconJson(const std::optional<MenuIcon>& icon) {
  if (!icon) return nullptr;
  return std::visit(
      [](const auto& c) -> Json {
        using C = std::decay_t<decltype(c)>;
        if constexpr (std::is_same_v<C, MenuIcon::ContentType>) return {{"contentType", c.identifier}};
        if constexpr (std::is_same_v<C, MenuIcon::App>) return {{"app", c.bundleID}};
        if constexpr (std::is_same_v<C, MenuIcon::Symbol>) return {{"symbol", c.name}};
        if constexpr (std::is_same_v<C, MenuIcon::Folder>) return {{"folder", Json::object()}};
      },
      icon->value);
}

Json actionJson(const MenuAction& action) {
  return std::visit(
      [](const auto& c) -> Json {
        using C = std::decay_t<decltype(c)>;
        if constexpr (std::is_same_v<C, MenuAction::Create>) return {{"create", {{"itemID", c.itemID}}}};
        if constexpr (std::is_same_v<C, MenuAction::SendTo>) return {{"sendTo", c.action.rawValue()}};
        if constexpr (std::is_same_v<C, MenuAction::OpenWith>) return {{"openWith", {{"bundleID", c.bundleID}}}};
        if constexpr (std::is_same_v<C, MenuAction::Customize>) return {{"customize", Json::object()}};
        if constexpr (std::is_same_v<C, MenuAction::FinishSetup>) return {{"finishSetup", Json::object()}};
      },
      action.value);
}

struct JsonHost {
  using Menu = Json;
  Menu makeMenu() { return Json::array(); }
  void addSeparator(Menu& menu) { menu.push_back({{"separator", Json::object()}}); }
  void addAction(Menu& menu, const MenuNode::Action& action, long tag) {
    Json body;
    body["title"] = action.title;
    body["icon"] = iconJson(action.icon);
    body["action"] = actionJson(action.action);
    body["tag"] = tag;
    menu.push_back({{"action", std::move(body)}});
  }
  void addSubmenu(Menu& menu, const MenuNode::Submenu& submenu, Menu child) {
    Json body;
    body["title"] = submenu.title;
    body["icon"] = iconJson(submenu.icon);
    body["children"] = std::move(child);
    menu.push_back({{"submenu", std::move(body)}});
  }
};

}  // namespace

std::string printMenu(std::span<const MenuNode> nodes, bool json) {
  std::vector<MenuAction> actions;
  if (json) {
    JsonHost host;
    return extension::render(host, nodes, actions).dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
  }
  TextHost host;
  std::string out;
  for (const auto& line : extension::render(host, nodes, actions)) out += line + "\n";
  return out;
}

}  // namespace nimbra::cli
