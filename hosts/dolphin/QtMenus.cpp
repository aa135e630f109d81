#include "QtMenus.h"

#include <QAction>
#include <QIcon>
#include <QMenu>

#include <string>

#include "nimbra/extension/MenuRendering.h"

namespace nimbra::dolphin {
namespace {

class QtMenuHost {
 public:
  using Menu = QList<QAction*>;

  QtMenuHost(QObject* owner, std::shared_ptr<extension::FinderSync> sync, const extension::FreedesktopIcons& icons,
             const MenuRequest& request)
      : owner_(owner), sync_(std::move(sync)), icons_(icons), request_(request) {}

  Menu makeMenu() { return {}; }

  void addSeparator(Menu& menu) {
    auto* separator = new QAction(owner_);
    separator->setSeparator(true);
    menu.append(separator);
  }

  void addAction(Menu& menu, const MenuNode::Action& action, long) {
    auto* item = new QAction(icon(action.icon), label(action.title), owner_);
    QObject::connect(item, &QAction::triggered, item, [sync = sync_, picked = action.action, request = request_] {
      hosts::perform(*sync, picked, request);
    });
    menu.append(item);
  }

  void addSubmenu(Menu& menu, const MenuNode::Submenu& submenu, Menu children) {
    // A QMenu takes only a widget parent, which the owner need not be: the owner
    // takes it away with itself (its menu has closed by then).
    auto* sub = new QMenu();
    sub->setTitle(label(submenu.title));
    sub->setIcon(icon(submenu.icon));
    sub->addActions(children);
    QObject::connect(owner_, &QObject::destroyed, sub, [sub] { delete sub; });
    menu.append(sub->menuAction());
  }

 private:
  // A name the user gave ("Tom & Jerry") is shown as it is, not as a shortcut key.
  static QString label(const std::string& title) { return QString::fromStdString(title).replace('&', "&&"); }

  QIcon icon(const std::optional<MenuIcon>& icon) const {
    const auto name = icon ? icons_.name(*icon) : std::string();
    return name.empty() ? QIcon() : QIcon::fromTheme(QString::fromStdString(name));
  }

  QObject* owner_;
  std::shared_ptr<extension::FinderSync> sync_;
  const extension::FreedesktopIcons& icons_;
  const MenuRequest& request_;
};

}  // namespace

QList<QAction*> qtMenu(QObject* owner, const std::shared_ptr<extension::FinderSync>& sync,
                       const extension::FreedesktopIcons& icons, std::span<const MenuNode> nodes,
                       const MenuRequest& request) {
  QtMenuHost host(owner, sync, icons, request);
  std::vector<MenuAction> actions;
  return extension::render(host, nodes, actions);
}

}  // namespace nimbra::dolphin
