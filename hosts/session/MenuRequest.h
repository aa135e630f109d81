#pragma once
// What a menu was built for, which each of its leaves keeps: the kind, the folder
// and the selection. Picking a leaf performs its action for exactly that.

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "nimbra/MenuInputs.h"
#include "nimbra/extension/FinderSync.h"

namespace nimbra::hosts {

struct MenuRequest {
  MenuKind kind;
  std::optional<std::filesystem::path> target;
  std::vector<std::filesystem::path> selection;

  // A folder's background: the folder, nothing selected.
  static MenuRequest container(std::filesystem::path folder) {
    return {MenuKind::contextualMenuForContainer, std::move(folder), {}};
  }
  // Selected items, in the folder of the first (not empty).
  static MenuRequest items(std::vector<std::filesystem::path> selection) {
    auto folder = selection.front().parent_path();
    return {MenuKind::contextualMenuForItems, std::move(folder), std::move(selection)};
  }
};

// From a file manager's callback: whatever goes wrong is logged, nothing escapes.
void perform(extension::FinderSync& sync, const MenuAction& action, const MenuRequest& request) noexcept;

// The same for a menu request: the message, or nothing for a failure of no known kind.
void logMenuFailure(const char* what) noexcept;

}  // namespace nimbra::hosts
