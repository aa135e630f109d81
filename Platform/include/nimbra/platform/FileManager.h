#pragma once
// The desktop's file manager, as far as the extension talks to it.

#include <filesystem>
#include <memory>

namespace nimbra::platform {

class Scheduler;
class SystemLog;

class FileManager {
 public:
  virtual ~FileManager() = default;
  // Shows the item selected in a file-manager window. Never blocks; a missing
  // file manager is logged, not an error.
  virtual void reveal(const std::filesystem::path& item) = 0;
};

// org.freedesktop.FileManager1 on the session bus. The call runs as background
// work of `scheduler` and ends with the file manager's answer or a timeout, so a
// MainLoopScheduler's runUntilIdle() waits for it.
std::shared_ptr<FileManager> sessionFileManager(std::shared_ptr<SystemLog> log, std::shared_ptr<Scheduler> scheduler);

}  // namespace nimbra::platform
