#pragma once
// Writes one ZIP archive of a tree, compressing on every core: memory stays bounded
// whatever the size of the input (the central directory, about a hundred bytes per
// entry, is the only part that grows, with the number of entries).

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "ZipError.h"
#include "nimbra/platform/linux/FileDescriptors.h"

namespace nimbra::ziptool {

class Pipeline;
class ZipContainer;

struct ZipSummary {
  std::vector<std::string> skipped;  // sockets, pipes and devices, which ZIP cannot hold

  bool operator==(const ZipSummary&) const = default;
};

// Entries carry Unix modes, owners and modification times; names are flagged UTF-8 when
// they are valid UTF-8 (other names are stored as their raw bytes, unflagged); symbolic
// links are stored as links; Zip64 records appear when sizes or the entry count need them.
// Every failure throws ZipError. The archive file is finished or it is gone: destroying
// a writer before finish() succeeded removes the file it created.
class ZipWriter {
 public:
  // Creates `destination` exclusively; never replaces anything already there.
  explicit ZipWriter(std::string destination);
  ~ZipWriter();
  ZipWriter(const ZipWriter&) = delete;
  ZipWriter& operator=(const ZipWriter&) = delete;

  // Adds the items inside the folder `source` at the top level of the archive (not the
  // folder itself), or `source` alone when it is not a folder. Items are visited in
  // byte order of their names and never followed through symbolic links. The archive
  // file itself is left out if it lies inside `source`.
  void addContents(const std::string& source);

  // Writes the central directory and closes the file.
  void finish();

  const ZipSummary& summary() const { return summary_; }

 private:
  struct Item;
  void addFolderContents(int folderFd, const std::string& shownPath, const std::string& entryPrefix);
  void addItem(int folderFd, const Item& item);
  void addFolder(int folderFd, const Item& item);
  void addSymlink(int folderFd, const Item& item, const struct stat& st);
  void addFile(int folderFd, const Item& item);
  void addLargeFile(int fd, const Item& item, const struct stat& st);
  void addEntry(const Item& item, const struct stat& st, std::span<const std::byte> data);
  void release();
  void removeArchiveFile() const;

  std::string path_;
  platform::FileDescriptor fd_;
  dev_t device_ = 0;
  ino_t inode_ = 0;
  bool finished_ = false;
  std::unique_ptr<ZipContainer> container_;
  std::unique_ptr<Pipeline> pipeline_;
  std::unique_ptr<std::byte[]> probeBuffer_;
  ZipSummary summary_;
};

}  // namespace nimbra::ziptool
