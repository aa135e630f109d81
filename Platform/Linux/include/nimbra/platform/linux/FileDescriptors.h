#pragma once
// Owning a file descriptor, and reading a symbolic link whatever its length. Plain
// POSIX, header-only: the archiver uses it without linking GLib.

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

namespace nimbra::platform {

// Closes the descriptor it holds when it goes; -1 holds none.
class FileDescriptor {
 public:
  FileDescriptor() = default;
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    reset(std::exchange(other.fd_, -1));
    return *this;
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() { reset(); }

  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }
  void reset(int fd = -1) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }
  // Closes now and reports the error, which matters for written files (NFS, quotas).
  int close() { return ::close(std::exchange(fd_, -1)); }

 private:
  int fd_ = -1;
};

// The target of the link `name` in the folder `dirFd` (or AT_FDCWD); nothing, with
// errno set, when it cannot be read. `sizeHint` is the link's st_size, which may be 0
// or out of date: the target is read whole regardless.
inline std::optional<std::string> readLinkAt(int dirFd, const char* name, std::size_t sizeHint) {
  std::string target(std::max<std::size_t>(sizeHint, 64) + 1, '\0');
  for (;;) {
    const ssize_t n = ::readlinkat(dirFd, name, target.data(), target.size());
    if (n < 0) return std::nullopt;
    if (static_cast<std::size_t>(n) < target.size()) {
      target.resize(static_cast<std::size_t>(n));
      return target;
    }
    target.resize(target.size() * 2);
  }
}

}  // namespace nimbra::platform
