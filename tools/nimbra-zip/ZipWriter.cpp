#include "ZipWriter.h"

#include <dirent.h>
#include <fcntl.h>
#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "CompressionProbe.h"
#include "Pipeline.h"
#include "ZipContainer.h"

namespace nimbra::ziptool {

namespace {

using platform::FileDescriptor;

// One compressing thread per core this process may run on.
unsigned workerCount() {
  cpu_set_t cpus;
  CPU_ZERO(&cpus);
  const int count = ::sched_getaffinity(0, sizeof cpus, &cpus) == 0 ? CPU_COUNT(&cpus) : 1;
  return static_cast<unsigned>(std::clamp(count, 1, 8));
}

EntryHeader headerFor(const std::string& entryName, const struct stat& st) {
  return {S_ISDIR(st.st_mode) ? entryName + "/" : entryName, st.st_mode, st.st_uid, st.st_gid, st.st_mtim.tv_sec};
}

std::string joinPath(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

// Reads up to `length` bytes, stopping early only at end of file. Returns the count.
std::size_t readFully(int fd, std::byte* data, std::size_t length, const std::string& shownPath) {
  std::size_t done = 0;
  while (done < length) {
    const auto n = ::read(fd, data + done, length - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw ZipError{ZipError::Kind::readItem, shownPath, errno, {}};
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

}  // namespace

struct ZipWriter::Item {
  std::string name;       // in its folder
  unsigned char type;     // readdir's d_type; DT_UNKNOWN when the file system does not say
  std::string shownPath;  // for messages
  std::string entryName;  // in the archive
};

ZipWriter::ZipWriter(std::string destination) : path_(std::move(destination)) {
  probeBuffer_ = std::make_unique<std::byte[]>(kProbeBlock);
  fd_.reset(::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666));
  if (!fd_) throw ZipError{ZipError::Kind::createArchive, path_, errno, {}};
  struct stat st {};
  if (::fstat(fd_.get(), &st) != 0) {
    const int error = errno;
    fd_.reset();
    ::unlink(path_.c_str());
    throw ZipError{ZipError::Kind::createArchive, path_, error, {}};
  }
  device_ = st.st_dev;
  inode_ = st.st_ino;
  try {
    container_ = std::make_unique<ZipContainer>(fd_.get(), path_);
    pipeline_ = std::make_unique<Pipeline>(*container_, workerCount());
  } catch (...) {
    release();
    throw;
  }
}

ZipWriter::~ZipWriter() { release(); }

void ZipWriter::release() {
  // The threads stop before the container and the descriptor they write to go.
  pipeline_.reset();
  container_.reset();
  if (fd_) {
    fd_.reset();
    if (!finished_) removeArchiveFile();
  }
}

void ZipWriter::removeArchiveFile() const {
  // Only the file this writer created: something else may have taken the name since.
  struct stat st {};
  if (::lstat(path_.c_str(), &st) == 0 && st.st_dev == device_ && st.st_ino == inode_) ::unlink(path_.c_str());
}

void ZipWriter::addContents(const std::string& source) {
  // The source itself may be reached through a symbolic link; what lies inside never is.
  FileDescriptor folder(::open(source.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder) {
    addFolderContents(folder.get(), source, "");
    return;
  }
  if (errno != ENOTDIR) throw ZipError{ZipError::Kind::openItem, source, errno, {}};

  // A single item: archived under its own name, from its parent folder.
  const auto slash = source.find_last_of('/');
  const std::string parent = slash == std::string::npos ? "." : slash == 0 ? "/" : source.substr(0, slash);
  const std::string name = slash == std::string::npos ? source : source.substr(slash + 1);
  FileDescriptor parentFolder(::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!parentFolder) throw ZipError{ZipError::Kind::openItem, parent, errno, {}};
  addItem(parentFolder.get(), Item{name, DT_UNKNOWN, source, name});
}

void ZipWriter::addFolderContents(int folderFd, const std::string& shownPath, const std::string& entryPrefix) {
  // Only names and types are kept for the whole folder, so a folder of many thousand
  // files costs little memory; paths are built one item at a time.
  std::vector<std::pair<std::string, unsigned char>> listing;
  {
    // fdopendir takes over the descriptor it is given; the caller keeps its own.
    const int listFd = ::dup(folderFd);
    if (listFd < 0) throw ZipError{ZipError::Kind::openItem, shownPath, errno, {}};
    DIR* dir = ::fdopendir(listFd);
    if (dir == nullptr) {
      const int error = errno;
      ::close(listFd);
      throw ZipError{ZipError::Kind::openItem, shownPath, error, {}};
    }
    ::rewinddir(dir);
    for (;;) {
      errno = 0;
      const dirent* found = ::readdir(dir);
      if (found == nullptr) {
        const int error = errno;
        ::closedir(dir);
        if (error != 0) throw ZipError{ZipError::Kind::openItem, shownPath, error, {}};
        break;
      }
      const std::string name = found->d_name;
      if (name == "." || name == "..") continue;
      listing.emplace_back(name, found->d_type);
    }
  }
  // A stable order makes archives of equal trees equal.
  std::sort(listing.begin(), listing.end());
  for (auto& [name, type] : listing) {
    Item item{std::move(name), type, {}, entryPrefix};
    item.shownPath = joinPath(shownPath, item.name);
    item.entryName += item.name;
    addItem(folderFd, item);
  }
}

void ZipWriter::addItem(int folderFd, const Item& item) {
  if (item.type == DT_REG) return addFile(folderFd, item);
  if (item.type == DT_DIR) return addFolder(folderFd, item);
  struct stat st {};
  if (::fstatat(folderFd, item.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
    throw ZipError{ZipError::Kind::openItem, item.shownPath, errno, {}};
  }
  if (S_ISREG(st.st_mode)) return addFile(folderFd, item);
  if (S_ISDIR(st.st_mode)) return addFolder(folderFd, item);
  if (S_ISLNK(st.st_mode)) return addSymlink(folderFd, item, st);
  summary_.skipped.push_back(item.shownPath);
}

void ZipWriter::addFolder(int folderFd, const Item& item) {
  FileDescriptor folder(::openat(folderFd, item.name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (!folder) {
    // Replaced by a link or a file since it was listed.
    if (errno == ELOOP || errno == ENOTDIR) throw ZipError{ZipError::Kind::itemChanged, item.shownPath, 0, {}};
    throw ZipError{ZipError::Kind::openItem, item.shownPath, errno, {}};
  }
  struct stat st {};
  if (::fstat(folder.get(), &st) != 0) throw ZipError{ZipError::Kind::openItem, item.shownPath, errno, {}};
  addEntry(item, st, {});
  addFolderContents(folder.get(), item.shownPath, item.entryName + "/");
}

void ZipWriter::addSymlink(int folderFd, const Item& item, const struct stat& st) {
  const auto target = platform::readLinkAt(folderFd, item.name.c_str(), static_cast<std::size_t>(st.st_size));
  if (!target) throw ZipError{ZipError::Kind::openItem, item.shownPath, errno, {}};
  addEntry(item, st, std::as_bytes(std::span(target->data(), target->size())));
}

void ZipWriter::addFile(int folderFd, const Item& item) {
  // Non-blocking so a file swapped for a pipe since listing cannot stall the open.
  FileDescriptor file(::openat(folderFd, item.name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!file) {
    if (errno == ELOOP) throw ZipError{ZipError::Kind::itemChanged, item.shownPath, 0, {}};
    throw ZipError{ZipError::Kind::openItem, item.shownPath, errno, {}};
  }
  struct stat st {};
  if (::fstat(file.get(), &st) != 0) throw ZipError{ZipError::Kind::openItem, item.shownPath, errno, {}};
  if (!S_ISREG(st.st_mode)) throw ZipError{ZipError::Kind::itemChanged, item.shownPath, 0, {}};
  if (st.st_dev == device_ && st.st_ino == inode_) return;  // the archive being written

  // The archive holds the file as it was when opened: exactly st_size bytes.
  const auto size = static_cast<std::uint64_t>(st.st_size);
  if (size > Pipeline::kPieceSize) return addLargeFile(file.get(), item, st);
  if (size == 0) return addEntry(item, st, {});
  auto& piece = pipeline_->pieceWithRoom(size);
  if (readFully(file.get(), piece.input.get() + piece.used, size, item.shownPath) != size) {
    throw ZipError{ZipError::Kind::itemChanged, item.shownPath, 0, {}};
  }
  piece.segments.push_back(
      {headerFor(item.entryName, st), Segment::Part::whole, Method::deflate, size, piece.used, size});
  piece.used += size;
}

void ZipWriter::addLargeFile(int fd, const Item& item, const struct stat& st) {
  // The method goes into the local header before any part is written, so it is chosen
  // from samples of the whole file.
  const auto size = static_cast<std::uint64_t>(st.st_size);
  const auto readBlock = [&](std::uint64_t offset, std::size_t length) -> std::span<const std::byte> {
    std::size_t done = 0;
    while (done < length) {
      const auto n = ::pread(fd, probeBuffer_.get() + done, length - done, static_cast<off_t>(offset + done));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) throw ZipError{ZipError::Kind::readItem, item.shownPath, errno, {}};
      if (n == 0) throw ZipError{ZipError::Kind::itemChanged, item.shownPath, 0, {}};
      done += static_cast<std::size_t>(n);
    }
    return {probeBuffer_.get(), length};
  };
  const auto method = chooseCompression(size, readBlock) == Compression::store ? Method::store : Method::deflate;
  ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);

  for (std::uint64_t offset = 0; offset < size;) {
    const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(size - offset, Pipeline::kPieceSize));
    auto& piece = pipeline_->pieceWithRoom(length);
    if (readFully(fd, piece.input.get() + piece.used, length, item.shownPath) != length) {
      throw ZipError{ZipError::Kind::itemChanged, item.shownPath, 0, {}};
    }
    const auto part = offset == 0               ? Segment::Part::first
                      : offset + length == size ? Segment::Part::last
                                                : Segment::Part::middle;
    Segment segment{{}, part, method, size, piece.used, length};
    if (part == Segment::Part::first) segment.header = headerFor(item.entryName, st);
    piece.segments.push_back(std::move(segment));
    piece.used += length;
    offset += length;
  }
}

void ZipWriter::addEntry(const Item& item, const struct stat& st, std::span<const std::byte> data) {
  auto& piece = pipeline_->pieceWithRoom(data.size());
  std::copy(data.begin(), data.end(), piece.input.get() + piece.used);
  piece.segments.push_back(
      {headerFor(item.entryName, st), Segment::Part::whole, Method::store, 0, piece.used, data.size()});
  piece.used += data.size();
}

void ZipWriter::finish() {
  pipeline_->finish();
  container_->finish();
  pipeline_.reset();
  container_.reset();
  if (fd_.close() != 0) {
    const int error = errno;
    removeArchiveFile();
    throw ZipError{ZipError::Kind::writeArchive, path_, error, {}};
  }
  finished_ = true;
}

}  // namespace nimbra::ziptool
