#pragma once
// A small file system to fill up: a tmpfs of a given size on a temporary folder, in
// a mount namespace this test process enters for itself (each test runs in a process
// of its own; the programs it starts share the namespace, nothing else sees it).
// Needs root; where the system refuses, `mounted()` is false and `why()` says why.

#include <sched.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "FileTesting.h"

namespace nimbra::testing {

// Enters a mount namespace of this process's own, once; 0, or why it could not.
inline int ownMountNamespace() {
  static const int entered =
      ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 ? 0 : errno;
  return entered;
}

class SmallFileSystem {
 public:
  explicit SmallFileSystem(std::size_t bytes) {
    const std::string options = "size=" + std::to_string(bytes);
    if (const int entered = ownMountNamespace(); entered != 0) {
      why_ = std::string("no mount namespace of its own: ") + std::strerror(entered);
    } else if (::mount("tmpfs", dir_.path().c_str(), "tmpfs", 0, options.c_str()) != 0) {
      why_ = std::string("no tmpfs: ") + std::strerror(errno);
    } else {
      mounted_ = true;
    }
  }
  ~SmallFileSystem() {
    if (mounted_) ::umount2(dir_.path().c_str(), MNT_DETACH);
  }
  bool mounted() const { return mounted_; }
  const std::string& why() const { return why_; }
  const std::filesystem::path& path() const { return dir_.path(); }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return dir_.path() / name; }

  // Takes all the space left but `free` bytes, in a file of its own.
  void fill(std::size_t free = 0) const {
    const auto filler = dir_.path() / ".filler";
    std::filesystem::remove(filler);
    const auto available = std::filesystem::space(dir_.path()).available;
    writeText(filler, std::string(available > free ? available - free : 0, '\0'));
  }

 private:
  TemporaryFolder dir_;
  bool mounted_ = false;
  std::string why_;
};

}  // namespace nimbra::testing
