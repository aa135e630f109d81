#pragma once
// The extension's own resources: its string table and its "Templates" folder,
// found once from the extension's own file location.

#include <filesystem>
#include <optional>

#include "nimbra/StringTable.h"

namespace nimbra::extension {

class ExtensionResources {
 public:
  // Looked up once per process.
  static const ExtensionResources& shared();

  ExtensionResources(std::optional<std::filesystem::path> root, StringTable strings)
      : root_(std::move(root)), strings_(std::move(strings)) {}

  const StringTable& strings() const { return strings_; }
  // The "Templates" folder; nothing when the extension's resources are not installed.
  std::optional<std::filesystem::path> templatesFolder() const;

 private:
  std::optional<std::filesystem::path> root_;
  StringTable strings_;
};

}  // namespace nimbra::extension
