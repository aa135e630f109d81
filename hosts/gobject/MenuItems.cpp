#include "MenuItems.h"

#include <exception>
#include <string>

#include "nimbra/extension/MenuRendering.h"
#include "nimbra/platform/linux/GioSupport.h"

namespace nimbra::hosts {
namespace {

// What an activated leaf performs; lives as long as its item.
struct Binding {
  std::shared_ptr<extension::FinderSync> sync;
  MenuAction action;
  MenuRequest request;
};

void activate(GObject*, gpointer data) {
  const auto& binding = *static_cast<Binding*>(data);
  perform(*binding.sync, binding.action, binding.request);
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

class ItemHost {
 public:
  // Items with a reference each, in order.
  using Menu = std::vector<GObject*>;

  ItemHost(const HostApi& api, std::shared_ptr<extension::FinderSync> sync, const extension::FreedesktopIcons& icons,
           const MenuRequest& request)
      : api_(api), sync_(std::move(sync)), icons_(icons), request_(request),
        prefix_(std::string("NimbraExtension::") + kindName(request.kind) + "::") {}

  Menu makeMenu() { return {}; }

  void addSeparator(Menu& menu) {
    if (api_.newSeparator) menu.push_back(api_.newSeparator((prefix_ + "separator" + std::to_string(++separators_)).c_str()));
  }

  void addAction(Menu& menu, const MenuNode::Action& action, long tag) {
    auto* item = newItem(prefix_ + std::to_string(tag), action.title, action.icon);
    g_signal_connect_data(item, "activate", G_CALLBACK(activate), new Binding{sync_, action.action, request_},
                          [](gpointer data, GClosure*) { delete static_cast<Binding*>(data); }, GConnectFlags(0));
    menu.push_back(item);
  }

  void addSubmenu(Menu& menu, const MenuNode::Submenu& submenu, Menu children) {
    auto* item = newItem(prefix_ + "menu" + std::to_string(++submenus_), submenu.title, submenu.icon);
    const platform::GObjectPtr<GObject> sub(api_.newMenu());
    for (auto* child : children) {
      api_.appendItem(sub.get(), child);
      g_object_unref(child);
    }
    api_.setSubmenu(item, sub.get());
    menu.push_back(item);
  }

 private:
  GObject* newItem(const std::string& name, const std::string& label, const std::optional<MenuIcon>& icon) {
    const auto iconName = icon ? icons_.name(*icon) : std::string();
    return api_.newItem(name.c_str(), label.c_str(), iconName.empty() ? nullptr : iconName.c_str());
  }

  const HostApi& api_;
  std::shared_ptr<extension::FinderSync> sync_;
  const extension::FreedesktopIcons& icons_;
  const MenuRequest& request_;
  const std::string prefix_;
  int submenus_ = 0;
  int separators_ = 0;
};

}  // namespace

GList* menuItems(const HostApi& api, const std::shared_ptr<extension::FinderSync>& sync,
                 const extension::FreedesktopIcons& icons, std::span<const MenuNode> nodes, const MenuRequest& request) {
  ItemHost host(api, sync, icons, request);
  std::vector<MenuAction> actions;
  GList* items = nullptr;
  for (auto* item : extension::render(host, nodes, actions)) items = g_list_append(items, item);
  return items;
}

}  // namespace nimbra::hosts
