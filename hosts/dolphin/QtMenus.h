#pragma once
// A menu tree as Qt actions and submenus for a file manager's context menu. Every
// leaf carries its own action and the folder and selection the menu was built for:
// triggering it performs exactly that.

#include <QList>

#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "nimbra/MenuInputs.h"
#include "nimbra/extension/FinderSync.h"
#include "MenuRequest.h"
#include "nimbra/extension/linux/FreedesktopIcons.h"

class QAction;
class QObject;

namespace nimbra::dolphin {

using hosts::MenuRequest;

// The top-level actions, all owned by `owner` (submenus included).
QList<QAction*> qtMenu(QObject* owner, const std::shared_ptr<extension::FinderSync>& sync,
                       const extension::FreedesktopIcons& icons, std::span<const MenuNode> nodes,
                       const MenuRequest& request);

}  // namespace nimbra::dolphin
