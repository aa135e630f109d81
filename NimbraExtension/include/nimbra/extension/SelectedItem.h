#pragma once
// What is known of an item the menu was opened on, and the one rule every host
// uses to find it out.

#include <filesystem>
#include <optional>
#include <span>

namespace nimbra::platform {
class FileOperations;
}

namespace nimbra::extension {

struct SelectedItem {
  std::filesystem::path url;
  // A directory, or a symbolic link that leads to one: what the user browses as a
  // folder. Nothing where it could not be told.
  std::optional<bool> isDirectory;
  // A directory whose own name makes it one document (".app", ".pages", ...).
  std::optional<bool> isPackage;

  // For a host that knows whether the item is a folder (a link to one counts).
  static SelectedItem known(std::filesystem::path url, std::optional<bool> isFolder);
  // For a host that knows nothing of the item: the file system answers.
  static SelectedItem lookUp(std::filesystem::path url, const platform::FileOperations& files);

  // A folder that is not a package: New items go into it and apps open it.
  bool isPlainFolder() const { return isDirectory.value_or(false) && !isPackage.value_or(false); }
};

// True for no items; false as soon as one is not a directory (or could not be
// read) or is a package. An unreadable package flag counts as not a package.
bool selectionIsFoldersOnly(std::span<const SelectedItem> selection);

}  // namespace nimbra::extension
