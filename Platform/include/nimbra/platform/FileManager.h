#pragma once
// The desktop's file manager, as far as our programs talk to it.

#include <filesystem>
#include <vector>

namespace nimbra::platform {

class FileManager {
 public:
  virtual ~FileManager() = default;
  // Shows the items selected in a file-manager window. Never blocks; a missing
  // file manager is logged, not an error.
  virtual void reveal(std::vector<std::filesystem::path> items) = 0;
};

}  // namespace nimbra::platform
