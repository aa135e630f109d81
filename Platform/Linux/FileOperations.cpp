#include "nimbra/platform/FileOperations.h"
#include "nimbra/platform/PathNames.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <stdio.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "nimbra/platform/Failure.h"
#include "nimbra/platform/Packages.h"
#include "nimbra/platform/linux/FileDescriptors.h"

namespace nimbra::platform {
namespace {

namespace fs = std::filesystem;

fs::path resolvedPath(const fs::path& path) {
  std::error_code ec;
  fs::path absolute = path.is_absolute() ? path : fs::current_path(ec) / path;
  absolute = withoutTrailingSeparator(absolute.lexically_normal());
  auto resolved = fs::weakly_canonical(absolute, ec);
  if (ec) return absolute;
  return withoutTrailingSeparator(resolved);
}

// The calling process' umask, read without changing it (umask(2) can only swap).
mode_t currentUmask() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.starts_with("Umask:")) return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
  }
  return 022;
}

struct Entry {
  std::string name;
  unsigned char type;  // DT_*
};

// Every entry of an open directory but "." and "..", from its start.
std::vector<Entry> listDirectory(int dirFd, const fs::path& path) {
  if (::lseek(dirFd, 0, SEEK_SET) != 0) fail(Operation::read, errno, path);
  std::vector<Entry> entries;
  alignas(dirent64) char buffer[32 * 1024];
  for (;;) {
    const ssize_t n = ::getdents64(dirFd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      fail(Operation::read, errno, path);
    }
    if (n == 0) break;
    for (ssize_t offset = 0; offset < n;) {
      const auto* entry = reinterpret_cast<const dirent64*>(buffer + offset);
      offset += entry->d_reclen;
      const std::string_view name = entry->d_name;
      if (name == "." || name == "..") continue;
      entries.push_back({std::string(name), entry->d_type});
    }
  }
  return entries;
}

std::string readLink(int dirFd, const char* name, const fs::path& path, std::size_t sizeHint) {
  auto target = readLinkAt(dirFd, name, sizeHint);
  if (!target) fail(Operation::read, errno, path);
  return std::move(*target);
}

// Copies one item and, for folders, everything under it. Names are claimed with
// exclusive creation only; a name that exists fails the copy.
class TreeCopier {
 public:
  TreeCopier() : umask_(currentUmask()) {}

  void copy(const fs::path& from, const fs::path& to) {
    try {
      copyAt(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), from, to, DT_UNKNOWN);
    } catch (...) {
      undo();
      throw;
    }
  }

  // Removes exactly what this copy made, newest first. Whatever another process put
  // into a folder of the copy meanwhile stays, and with it that folder.
  void undo() noexcept {
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) {
      const int flags = it->isFolder ? AT_REMOVEDIR : 0;
      if (::unlinkat(AT_FDCWD, it->path.c_str(), flags) == 0 || errno != EACCES) continue;
      // A read-only folder of the copy (never the caller's folder that holds the
      // top): open it up to take its contents out.
      if (it == std::prev(made_.rend())) continue;
      const auto parent = it->path.parent_path();
      struct stat st {};
      if (::stat(parent.c_str(), &st) == 0 && ::chmod(parent.c_str(), (st.st_mode & 07777) | S_IRWXU) == 0) {
        ::unlinkat(AT_FDCWD, it->path.c_str(), flags);
      }
    }
    made_.clear();
  }

 private:
  struct Made {
    fs::path path;
    bool isFolder;
  };

  bool needsChmod(mode_t mode) const { return (mode & 07000) != 0 || (mode & umask_) != 0; }

  void copyAt(int srcDir, const char* srcName, int dstDir, const char* dstName, const fs::path& srcPath,
              const fs::path& dstPath, unsigned char typeHint) {
    const bool top = srcDir == AT_FDCWD;
    struct stat st {};
    FileDescriptor src;
    if (typeHint == DT_REG || typeHint == DT_DIR) {
      // O_NONBLOCK: a fifo swapped in for the file must not block the copy.
      src = FileDescriptor(::openat(srcDir, srcName, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
      if (!src) fail(Operation::read, errno, srcPath);
      if (::fstat(src.get(), &st) != 0) fail(Operation::read, errno, srcPath);
    } else {
      if (::fstatat(srcDir, srcName, &st, AT_SYMLINK_NOFOLLOW) != 0) fail(Operation::read, errno, srcPath);
      if (S_ISREG(st.st_mode) || S_ISDIR(st.st_mode)) {
        src = FileDescriptor(::openat(srcDir, srcName, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
        if (!src) fail(Operation::read, errno, srcPath);
        if (::fstat(src.get(), &st) != 0) fail(Operation::read, errno, srcPath);
      }
    }
    if (top && S_ISDIR(st.st_mode) && isInside(resolvedPath(dstPath.parent_path()), resolvedPath(srcPath))) {
      fail(Operation::copy, EINVAL, srcPath, dstPath);
    }
    const timespec times[2] = {st.st_atim, st.st_mtim};

    if (S_ISDIR(st.st_mode)) {
      // Owner-only until filled, so a read-only source folder can still be filled in.
      if (::mkdirat(dstDir, dstName, 0700) != 0) fail(Operation::createFolder, errno, dstPath);
      made_.push_back({dstPath, true});
      FileDescriptor dst(::openat(dstDir, dstName, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
      if (!dst) fail(Operation::read, errno, dstPath);
      for (const auto& entry : listDirectory(src.get(), srcPath)) {
        copyAt(src.get(), entry.name.c_str(), dst.get(), entry.name.c_str(), srcPath / entry.name,
               dstPath / entry.name, entry.type);
      }
      if (::fchmod(dst.get(), st.st_mode & 07777) != 0) fail(Operation::changeAttributes, errno, dstPath);
      if (::futimens(dst.get(), times) != 0) fail(Operation::changeAttributes, errno, dstPath);
    } else if (S_ISREG(st.st_mode)) {
      copyFile(src.get(), st, dstDir, dstName, srcPath, dstPath);
    } else if (S_ISLNK(st.st_mode)) {
      const auto target = readLink(srcDir, srcName, srcPath, static_cast<std::size_t>(st.st_size));
      if (::symlinkat(target.c_str(), dstDir, dstName) != 0) fail(Operation::createFile, errno, dstPath);
      made_.push_back({dstPath, false});
      // Not every file system keeps link times; the link itself is what matters.
      (void)::utimensat(dstDir, dstName, times, AT_SYMLINK_NOFOLLOW);
    } else {
      // Fifos, sockets and device nodes are copied as nodes, never opened.
      if (::mknodat(dstDir, dstName, st.st_mode & (S_IFMT | 07777), st.st_rdev) != 0) {
        fail(Operation::createFile, errno, dstPath);
      }
      made_.push_back({dstPath, false});
      const mode_t mode = st.st_mode & 07777;
      if (needsChmod(mode) && ::fchmodat(dstDir, dstName, mode, AT_SYMLINK_NOFOLLOW) != 0) {
        fail(Operation::changeAttributes, errno, dstPath);
      }
      if (::utimensat(dstDir, dstName, times, AT_SYMLINK_NOFOLLOW) != 0) fail(Operation::changeAttributes, errno, dstPath);
    }
  }

  void copyFile(int src, const struct stat& st, int dstDir, const char* dstName, const fs::path& srcPath,
                const fs::path& dstPath) {
    const mode_t mode = st.st_mode & 07777;
    FileDescriptor dst(::openat(dstDir, dstName, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode & 0777));
    if (!dst) fail(Operation::createFile, errno, dstPath);
    made_.push_back({dstPath, false});
    copyData(src, dst.get(), st.st_size, srcPath, dstPath);
    // The umask may have taken bits away, and special bits need an explicit change.
    if (needsChmod(mode) && ::fchmod(dst.get(), mode) != 0) fail(Operation::changeAttributes, errno, dstPath);
    const timespec times[2] = {st.st_atim, st.st_mtim};
    if (::futimens(dst.get(), times) != 0) fail(Operation::changeAttributes, errno, dstPath);
    if (dst.close() != 0) fail(Operation::createFile, errno, dstPath);
  }

  // Copies the `size` bytes the file had when it was opened (a file growing meanwhile
  // is caught by the check after a move). Fastest first: a shared-extent clone, then
  // an in-kernel copy, then read and write. A method the file systems refuse is not
  // tried again for the rest of the tree.
  void copyData(int in, int out, off_t size, const fs::path& srcPath, const fs::path& dstPath) {
    if (size == 0) return;
    if (tryClone_) {
      if (::ioctl(out, FICLONE, in) == 0) return;
      tryClone_ = false;
    }
    off_t copied = 0;
    while (tryCopyRange_ && copied < size) {
      const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, static_cast<std::size_t>(size - copied), 0);
      if (n > 0) {
        copied += n;
        continue;
      }
      if (n == 0) {
        if (copied > 0) return;  // the file shrank meanwhile
        break;                   // some file systems report 0 for files with content; read() decides
      }
      if (errno == EINTR) continue;
      if (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP || errno == EPERM ||
          errno == ETXTBSY) {
        tryCopyRange_ = false;
        break;
      }
      fail(Operation::copy, errno, srcPath, dstPath);
    }
    // Both offsets have moved past what was copied in the kernel.
    if (buffer_.empty()) buffer_.resize(256 * 1024);
    while (copied < size) {
      const auto want = static_cast<std::size_t>(std::min<off_t>(size - copied, static_cast<off_t>(buffer_.size())));
      const ssize_t n = ::read(in, buffer_.data(), want);
      if (n < 0) {
        if (errno == EINTR) continue;
        fail(Operation::read, errno, srcPath);
      }
      if (n == 0) return;
      for (ssize_t written = 0; written < n;) {
        const ssize_t w = ::write(out, buffer_.data() + written, static_cast<std::size_t>(n - written));
        if (w < 0) {
          if (errno == EINTR) continue;
          fail(Operation::createFile, errno, dstPath);
        }
        written += w;
      }
      copied += n;
    }
  }

  mode_t umask_;
  std::vector<Made> made_;
  bool tryClone_ = true;
  bool tryCopyRange_ = true;
  std::vector<char> buffer_;
};

class TreeRemover {
 public:
  static void remove(const fs::path& path) { removeAt(AT_FDCWD, path.c_str(), path, true); }

 private:
  static void removeAt(int parentFd, const char* name, const fs::path& path, bool top) {
    if (::unlinkat(parentFd, name, 0) == 0) return;
    if (errno == ENOENT && !top) return;  // gone meanwhile: that is what was wanted
    if (errno != EISDIR) fail(Operation::remove, errno, path);
    {
      FileDescriptor dir = openForEmptying(parentFd, name, path);
      for (const auto& entry : listDirectory(dir.get(), path)) {
        removeAt(dir.get(), entry.name.c_str(), path / entry.name, false);
      }
    }
    if (::unlinkat(parentFd, name, AT_REMOVEDIR) != 0 && !(errno == ENOENT && !top)) {
      fail(Operation::remove, errno, path);
    }
  }

  // A folder of the user's own that lacks owner rights (a copied read-only folder,
  // say) is opened up first; others' folders are left as they are.
  static FileDescriptor openForEmptying(int parentFd, const char* name, const fs::path& path) {
    struct stat st {};
    if (::fstatat(parentFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) fail(Operation::read, errno, path);
    if (st.st_uid == ::geteuid() && (st.st_mode & S_IRWXU) != S_IRWXU) {
      if (::fchmodat(parentFd, name, (st.st_mode & 07777) | S_IRWXU, AT_SYMLINK_NOFOLLOW) != 0) {
        fail(Operation::changeAttributes, errno, path);
      }
    }
    FileDescriptor dir(::openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!dir) fail(Operation::read, errno, path);
    return dir;
  }
};

// Whether `copy` holds every entry of `source` with the same type, size and link
// target, and nothing else.
class TreeComparer {
 public:
  static bool same(const fs::path& source, const fs::path& copy) {
    return sameAt(AT_FDCWD, source.c_str(), AT_FDCWD, copy.c_str(), source, copy);
  }

 private:
  static bool sameAt(int aDir, const char* aName, int bDir, const char* bName, const fs::path& a,
                     const fs::path& b) {
    struct stat sa {}, sb {};
    if (::fstatat(aDir, aName, &sa, AT_SYMLINK_NOFOLLOW) != 0) fail(Operation::read, errno, a);
    if (::fstatat(bDir, bName, &sb, AT_SYMLINK_NOFOLLOW) != 0) fail(Operation::read, errno, b);
    if ((sa.st_mode & S_IFMT) != (sb.st_mode & S_IFMT)) return false;
    if (S_ISREG(sa.st_mode)) return sa.st_size == sb.st_size;
    if (S_ISLNK(sa.st_mode)) {
      return readLink(aDir, aName, a, static_cast<std::size_t>(sa.st_size)) ==
             readLink(bDir, bName, b, static_cast<std::size_t>(sb.st_size));
    }
    if (!S_ISDIR(sa.st_mode)) return true;
    FileDescriptor ad(::openat(aDir, aName, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!ad) fail(Operation::read, errno, a);
    FileDescriptor bd(::openat(bDir, bName, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!bd) fail(Operation::read, errno, b);
    auto names = [](std::vector<Entry> entries) {
      std::vector<std::string> result;
      result.reserve(entries.size());
      for (auto& e : entries) result.push_back(std::move(e.name));
      std::ranges::sort(result);
      return result;
    };
    const auto an = names(listDirectory(ad.get(), a));
    if (an != names(listDirectory(bd.get(), b))) return false;
    return std::ranges::all_of(an, [&](const std::string& name) {
      return sameAt(ad.get(), name.c_str(), bd.get(), name.c_str(), a / name, b / name);
    });
  }
};

bool sameMount(const char* a, const char* b) {
  struct statx sa {}, sb {};
  constexpr unsigned mask = STATX_BASIC_STATS | STATX_MNT_ID;
  if (::statx(AT_FDCWD, a, 0, mask, &sa) != 0 || ::statx(AT_FDCWD, b, 0, mask, &sb) != 0) return false;
  if (sa.stx_dev_major != sb.stx_dev_major || sa.stx_dev_minor != sb.stx_dev_minor) return false;
  // Two bind mounts of one file system share the device but still refuse renames.
  if ((sa.stx_mask & STATX_MNT_ID) && (sb.stx_mask & STATX_MNT_ID)) return sa.stx_mnt_id == sb.stx_mnt_id;
  return true;
}

fs::path userTemporaryFolder() {
  const char* tmp = std::getenv("TMPDIR");
  if (tmp != nullptr && tmp[0] == '/') return tmp;
  return "/tmp";
}

class SystemFileOperations final : public FileOperations {
 public:
  bool exists(const fs::path& path) const override {
    struct stat st {};
    return ::fstatat(AT_FDCWD, withoutTrailingSeparator(path).c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
  }

  bool isDirectory(const fs::path& path) const override {
    struct stat st {};
    return ::fstatat(AT_FDCWD, withoutTrailingSeparator(path).c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISDIR(st.st_mode);
  }

  bool isPackage(const fs::path& path) const override {
    const auto item = withoutTrailingSeparator(path);
    return isDirectory(item) && isPackageName(item.filename().native());
  }

  fs::path canonicalPath(const fs::path& path) const override { return resolvedPath(path); }

  void createFile(const fs::path& path, std::span<const std::byte> contents) override {
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!fd) fail(Operation::createFile, errno, path);
    std::size_t written = 0;
    while (written < contents.size()) {
      const ssize_t n = ::write(fd.get(), contents.data() + written, contents.size() - written);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        const int error = errno;
        fd.reset();
        ::unlink(path.c_str());
        fail(Operation::createFile, error, path);
      }
      written += static_cast<std::size_t>(n);
    }
    if (fd.close() != 0) {
      const int error = errno;
      ::unlink(path.c_str());
      fail(Operation::createFile, error, path);
    }
  }

  void createDirectory(const fs::path& path) override {
    if (::mkdir(withoutTrailingSeparator(path).c_str(), 0777) != 0) fail(Operation::createFolder, errno, path);
  }

  void createSymbolicLink(const fs::path& path, const fs::path& target) override {
    if (::symlink(target.c_str(), withoutTrailingSeparator(path).c_str()) != 0) {
      fail(Operation::createFile, errno, path);
    }
  }

  void setPermissions(const fs::path& path, fs::perms permissions) override {
    // Never through a link: a name swapped for a link must not change another file.
    if (::fchmodat(AT_FDCWD, path.c_str(), static_cast<mode_t>(permissions) & 07777, AT_SYMLINK_NOFOLLOW) != 0) {
      fail(Operation::changeAttributes, errno, path);
    }
  }

  void copyItem(const fs::path& from, const fs::path& to) override {
    TreeCopier().copy(withoutTrailingSeparator(from), withoutTrailingSeparator(to));
  }

  void moveItem(const fs::path& fromPath, const fs::path& toPath) override {
    const auto from = withoutTrailingSeparator(fromPath);
    const auto to = withoutTrailingSeparator(toPath);
    if (::syscall(SYS_renameat2, AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return;
    const int error = errno;
    // EINVAL also stands for a file system without no-replace renames: copying is
    // the safe way there too, unless the move was into the item itself.
    if (error != EXDEV && error != EINVAL && error != ENOSYS) fail(Operation::move, error, from, to);
    if (isDirectory(from) && isInside(resolvedPath(to.parent_path()), resolvedPath(from))) {
      fail(Operation::move, EINVAL, from, to);
    }
    moveByCopying(from, to);
  }

  void removeItem(const fs::path& path) override {
    const auto item = withoutTrailingSeparator(path);
    const auto name = item.filename();
    if (name == "." || name == "..") fail(Operation::remove, EINVAL, path);
    TreeRemover::remove(item);
  }

  fs::path makeScratchFolder(const fs::path& near) override {
    struct stat st {};
    if (::stat(near.c_str(), &st) != 0) fail(Operation::read, errno, near);
    if (!S_ISDIR(st.st_mode)) fail(Operation::read, ENOTDIR, near);
    const auto tmp = userTemporaryFolder();
    if (sameMount(tmp.c_str(), near.c_str())) {
      std::string name = (tmp / "nimbra-XXXXXX").native();
      if (::mkdtemp(name.data()) != nullptr) return name;
    }
    std::string name = (near / ".nimbra-XXXXXX").native();
    if (::mkdtemp(name.data()) == nullptr) fail(Operation::createFolder, errno, near);
    return name;
  }

 private:
  void moveByCopying(const fs::path& from, const fs::path& to) {
    // The source must be removable afterwards, or the move would end as a copy.
    const auto parent = from.has_parent_path() ? from.parent_path() : fs::path(".");
    // EROFS for a read-only file system, EACCES without write permission.
    if (::faccessat(AT_FDCWD, parent.c_str(), W_OK | X_OK, AT_EACCESS) != 0) fail(Operation::remove, errno, from);
    struct stat ps {}, fst {};
    if (::stat(parent.c_str(), &ps) == 0 && (ps.st_mode & S_ISVTX) && ::lstat(from.c_str(), &fst) == 0 &&
        ::geteuid() != 0 && fst.st_uid != ::geteuid() && ps.st_uid != ::geteuid()) {
      fail(Operation::remove, EPERM, from);
    }

    TreeCopier copier;
    copier.copy(from, to);
    bool complete = false;
    try {
      complete = TreeComparer::same(from, to);
    } catch (...) {
      copier.undo();
      throw;
    }
    if (!complete) {
      copier.undo();
      fail(Operation::move, EIO, from, to);
    }
    // The copy must be on disk before the source goes, or a crash in between loses both.
    const auto destination = to.has_parent_path() ? to.parent_path() : fs::path(".");
    const FileDescriptor dir(::open(destination.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir || ::syncfs(dir.get()) != 0) fail(Operation::move, errno, from, to);
    TreeRemover::remove(from);
  }
};

}  // namespace

std::shared_ptr<FileOperations> systemFileOperations() {
  static const auto operations = std::make_shared<SystemFileOperations>();
  return operations;
}

}  // namespace nimbra::platform
