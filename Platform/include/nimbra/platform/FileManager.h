#pragma once
// The desktop's file manager, as far as the extension talks to it.

#include <filesystem>
#include <memory>

namespace nimbra::platform {

class FileManager {
 public:
  virtual ~FileManager() = default;
  // Shows the item selected in a file-manager window. Never blocks; a missing
  // file manager is logged, not an error.
  virtual void reveal(const std::filesystem::path& item) = 0;
};

// org.freedesktop.FileManager1 on the session bus.
std::shared_ptr<FileManager> sessionFileManager();

}  // namespace nimbra::platform
