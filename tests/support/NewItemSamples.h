#pragma once
// Small New-list samples shared by the settings tests.

#include <string>
#include <vector>

#include "nimbra/NewItem.h"

namespace nimbra::testing {

// An enabled custom text entry with an empty template.
inline NewItem customItem(std::string id, std::string ext) {
  return NewItem{std::move(id), NewItemKind::Text{"", false}, std::move(ext), std::nullopt, std::nullopt, true, false};
}

inline std::vector<std::string> ids(const std::vector<NewItem>& items) {
  std::vector<std::string> result;
  for (const auto& item : items) result.push_back(item.id);
  return result;
}

}  // namespace nimbra::testing
