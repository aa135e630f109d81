#pragma once
// File system operations that never replace anything. Every operation that makes a
// name claims it exclusively (create-exclusive, mkdir, no-replace rename), at every
// level of a copied tree, so a name taken by anyone between a caller's free-name check
// and the write makes the operation fail with EEXIST instead of overwriting.
//
// Failures are thrown as platform::Failure: the OS error unchanged, with the operation
// and the path(s) involved. The queries never throw.

#include <cstddef>
#include <filesystem>
#include <memory>
#include <span>

namespace nimbra::platform {

class FileOperations {
 public:
  virtual ~FileOperations() = default;

  // Whether anything occupies the name, a dangling symbolic link included. An error
  // (no permission, name too long) counts as no: the creation that follows reports it.
  virtual bool exists(const std::filesystem::path& path) const = 0;
  // A directory itself; a symbolic link to one is not. Errors count as no.
  virtual bool isDirectory(const std::filesystem::path& path) const = 0;
  // A directory that counts as one document (a bundle extension such as ".app").
  virtual bool isPackage(const std::filesystem::path& path) const = 0;
  // A directory that is not a package: its name is taken whole, never split at a dot.
  bool isPlainFolder(const std::filesystem::path& path) const { return isDirectory(path) && !isPackage(path); }
  // Absolute, "." and ".." removed, symbolic links resolved as far as the path
  // exists; the missing rest is kept as written. No trailing separator.
  virtual std::filesystem::path canonicalPath(const std::filesystem::path& path) const = 0;

  // A new regular file holding `contents`, permissions 0666 less the umask. Fails if
  // anything is at `path`; a partly written file is removed before throwing.
  virtual void createFile(const std::filesystem::path& path, std::span<const std::byte> contents) = 0;
  // A new empty directory, permissions 0777 less the umask; fails if anything is there.
  virtual void createDirectory(const std::filesystem::path& path) = 0;
  // A new symbolic link at `path` holding `target` as given; fails if anything is there.
  virtual void createSymbolicLink(const std::filesystem::path& path, const std::filesystem::path& target) = 0;
  // Sets the permission bits exactly (no umask). A symbolic link is refused, never followed.
  virtual void setPermissions(const std::filesystem::path& path, std::filesystem::perms permissions) = 0;

  // Copies the item at `from` (file, folder tree, symbolic link as a link, fifo or
  // device node) to the new name `to`, keeping permission bits and access and
  // modification times. Fails if anything is at `to`, or if a name inside the copy is
  // taken meanwhile. A failed copy removes what it made; `from` is never changed.
  // Copying a folder into itself fails with EINVAL.
  virtual void copyItem(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  // Renames `from` to the new name `to` without replacing anything. Across file
  // systems it copies, checks that the copy has every entry with its type, size and
  // link target, and only then removes the source; a failed move leaves the source
  // whole (a failure while removing the source keeps the complete copy at `to`).
  virtual void moveItem(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  // Removes the item; a folder with everything in it. A symbolic link is removed,
  // never followed. Folders of the user's own without write permission are opened up
  // to be emptied.
  virtual void removeItem(const std::filesystem::path& path) = 0;

  // A fresh, private (0700) directory on the same file system as the folder `near`,
  // so that a finished item moves from it into `near` by renaming. The caller removes
  // it. It is made in the user's temporary folder when that shares the file system
  // (nothing shows in the user's folders), otherwise as a hidden ".nimbra-XXXXXX"
  // inside `near` itself, the one place the caller must be able to write anyway.
  virtual std::filesystem::path makeScratchFolder(const std::filesystem::path& near) = 0;
};

// The operations on this machine's file systems. Stateless; safe from any thread.
std::shared_ptr<FileOperations> systemFileOperations();

}  // namespace nimbra::platform
