#pragma once
// Send to > compressed archive: packs items into one ZIP archive placed in a
// folder under a free name. A clean copy of the items is made in a private
// scratch folder on the destination's file system, the archiver program packs
// it, and only the finished archive is moved into place, so the folder never
// holds a half-written archive. The scratch folder and the archiver's log are
// removed on every path.

#include <exception>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace nimbra::platform {
class FileOperations;
class ProcessRunner;
}  // namespace nimbra::platform

namespace nimbra::extension::Zipper {

// The archiver failed: its exit status and the start of what it wrote to its
// error stream.
struct ZipFailed : std::exception {
  int status;
  std::string output;

  ZipFailed(int s, std::string o);
  const char* what() const noexcept override { return description_.c_str(); }
  bool operator==(const ZipFailed& other) const { return status == other.status && output == other.output; }

 private:
  std::string description_;
};

struct Context {
  platform::FileOperations& files;
  platform::ProcessRunner& processes;
  std::filesystem::path archiver;  // the nimbra-zip program
};

struct Archive {
  std::filesystem::path location;
  // Items inside the sent ones that a ZIP cannot hold (sockets, pipes, devices),
  // which the archive goes without.
  std::vector<std::filesystem::path> leftOut;
};

// Makes the archive of `items` in `folder` and says where it is. Blocks its
// thread until the archiver has finished: call it from background work.
Archive zip(const std::vector<std::filesystem::path>& items, const std::filesystem::path& folder, const Context& context);

// Runs one program to completion without blocking the caller, its error output
// going to a log file in `logFolder` that is removed afterwards. `completion` runs
// exactly once, on another thread or (when the program cannot be started) before
// `run` returns: with nothing and the start of the program's error output on exit
// status 0, else with ZipFailed or the start error.
void run(const std::filesystem::path& program, const std::vector<std::string>& args,
         const std::filesystem::path& logFolder, platform::FileOperations& files, platform::ProcessRunner& processes,
         std::function<void(std::exception_ptr, std::string output)> completion);

// The free archive name in `folder`, taken from the first item: a plain folder's
// whole name, otherwise the name without its extension; "Archive" for no items.
std::filesystem::path archiveURL(const std::vector<std::filesystem::path>& items, const std::filesystem::path& folder,
                                 const platform::FileOperations& files);

}  // namespace nimbra::extension::Zipper
