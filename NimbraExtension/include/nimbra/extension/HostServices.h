#pragma once
// What only the host can do: sound its beep and drive its own rename.

#include <filesystem>
#include <vector>

namespace nimbra::extension {

class HostServices {
 public:
  virtual ~HostServices() = default;
  // Answers a failed action (the CLI reports it by its exit status instead).
  virtual void beep() = 0;

  // Renaming a new item in the file manager by "pressing Return" there.
  virtual bool mayPressKeys() = 0;
  virtual void askToPressKeys() = 0;
  virtual bool fileManagerIsFrontmost() = 0;
  virtual std::vector<std::filesystem::path> selectedItems() = 0;
  virtual void pressRename() = 0;
  // Or shows `item` in rename through a call of the host's own; false where it has none.
  virtual bool renameDirectly(const std::filesystem::path&) { return false; }
};

}  // namespace nimbra::extension
