#include "nimbra/extension/SelectedItem.h"

#include "nimbra/NumberedNames.h"
#include "nimbra/platform/FileOperations.h"
#include "nimbra/platform/Packages.h"

namespace nimbra::extension {

SelectedItem SelectedItem::known(std::filesystem::path url, std::optional<bool> isFolder) {
  std::optional<bool> isPackage;
  if (isFolder) isPackage = *isFolder && platform::isPackageName(lastComponent(url));
  return {std::move(url), isFolder, isPackage};
}

SelectedItem SelectedItem::lookUp(std::filesystem::path url, const platform::FileOperations& files) {
  // The folder a link leads to, reached through the link path the user sees.
  const bool isFolder = files.isDirectory(files.canonicalPath(url));
  return known(std::move(url), isFolder);
}

bool selectionIsFoldersOnly(std::span<const SelectedItem> selection) {
  for (const auto& item : selection) {
    if (!item.isDirectory.value_or(false)) return false;
    if (item.isPackage.value_or(false)) return false;
  }
  return true;
}

}  // namespace nimbra::extension
