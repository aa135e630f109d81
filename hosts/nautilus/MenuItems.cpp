#include "MenuItems.h"

#include <exception>
#include <string>

#include "nimbra/extension/MenuRendering.h"
#include "nimbra/platform/linux/GioSupport.h"
#include "nimbra/platform/linux/JournalLog.h"

namespace nimbra::nautilus {
namespace {

// What an activated leaf performs; lives as long as its item.
struct Binding {
  std::shared_ptr<extension::FinderSync> sync;
  MenuAction action;
  MenuRequest request;
};

void activate(NautilusMenuItem*, gpointer data) {
  const auto& binding = *static_cast<Binding*>(data);
  // A GLib callback: nothing may escape into Nautilus.
  try {
    binding.sync->perform(binding.action, binding.request.target, binding.request.selection);
  } catch (const std::exception& error) {
    platform::journalLog("extension")->error(std::string("pick failed: ") + error.what());
  } catch (...) {
    platform::journalLog("extension")->error("pick failed");
  }
}

const char* kindName(MenuKind kind) {
  switch (kind) {
    case MenuKind::contextualMenuForItems: return "items";
    case MenuKind::contextualMenuForSidebar: return "sidebar";
    case MenuKind::toolbarItemMenu: return "toolbar";
    case MenuKind::contextualMenuForContainer: break;
  }
  return "container";
}

class NautilusMenuHost {
 public:
  // Items with a reference each, in order.
  using Menu = std::vector<NautilusMenuItem*>;

  NautilusMenuHost(std::shared_ptr<extension::FinderSync> sync, const extension::FreedesktopIcons& icons,
                   const MenuRequest& request)
      : sync_(std::move(sync)), icons_(icons), request_(request), prefix_(std::string("NimbraExtension::") + kindName(request.kind)) {}

  Menu makeMenu() { return {}; }
  // Nautilus menus have no separators.
  void addSeparator(Menu&) {}

  void addAction(Menu& menu, const MenuNode::Action& action, long tag) {
    auto* item = newItem(prefix_ + "::" + std::to_string(tag), action.title, action.icon);
    g_signal_connect_data(item, "activate", G_CALLBACK(activate), new Binding{sync_, action.action, request_},
                          [](gpointer data, GClosure*) { delete static_cast<Binding*>(data); }, GConnectFlags(0));
    menu.push_back(item);
  }

  void addSubmenu(Menu& menu, const MenuNode::Submenu& submenu, Menu children) {
    auto* item = newItem(prefix_ + "::menu" + std::to_string(++submenus_), submenu.title, submenu.icon);
    const platform::GObjectPtr<NautilusMenu> sub(nautilus_menu_new());
    for (auto* child : children) {
      nautilus_menu_append_item(sub.get(), child);
      g_object_unref(child);
    }
    nautilus_menu_item_set_submenu(item, sub.get());
    menu.push_back(item);
  }

 private:
  NautilusMenuItem* newItem(const std::string& name, const std::string& label, const std::optional<MenuIcon>& icon) {
    const auto iconName = icon ? icons_.name(*icon) : std::string();
    return nautilus_menu_item_new(name.c_str(), label.c_str(), nullptr, iconName.empty() ? nullptr : iconName.c_str());
  }

  std::shared_ptr<extension::FinderSync> sync_;
  const extension::FreedesktopIcons& icons_;
  const MenuRequest& request_;
  const std::string prefix_;
  int submenus_ = 0;
};

}  // namespace

GList* menuItems(const std::shared_ptr<extension::FinderSync>& sync, const extension::FreedesktopIcons& icons,
                 std::span<const MenuNode> nodes, const MenuRequest& request) {
  NautilusMenuHost host(sync, icons, request);
  std::vector<MenuAction> actions;
  GList* items = nullptr;
  for (auto* item : extension::render(host, nodes, actions)) items = g_list_append(items, item);
  return items;
}

}  // namespace nimbra::nautilus
