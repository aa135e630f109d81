#include "ZipWriter.h"

#include <archive.h>
#include <archive_entry.h>
#include <dirent.h>
#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "CompressionProbe.h"
#include "nimbra/Text.h"

namespace nimbra::ziptool {

namespace {

using platform::FileDescriptor;

// Large reads keep the system-call count low; one buffer serves the whole archive.
constexpr std::size_t kReadBuffer = 1 << 20;
// libarchive gathers its small header writes into blocks of this size.
constexpr int kOutputBlock = 1 << 20;

// libarchive flags a non-ASCII name as UTF-8 when the thread's character set is UTF-8
// and stores the name's bytes as they are. Switching the thread locale per entry
// flags exactly the names that are valid UTF-8 and leaves other byte strings unflagged.
struct NameLocales {
  locale_t utf8 = nullptr;
  locale_t plain = nullptr;
};

const NameLocales& nameLocales() {
  static const NameLocales locales = [] {
    NameLocales result;
    for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
      result.utf8 = ::newlocale(LC_CTYPE_MASK, name, nullptr);
      if (result.utf8 != nullptr) break;
    }
    result.plain = ::newlocale(LC_CTYPE_MASK, "C", nullptr);
    return result;
  }();
  return locales;
}

bool isAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
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
  buffer_ = std::make_unique<std::byte[]>(kReadBuffer);
  probeBuffer_ = std::make_unique<std::byte[]>(kProbeBlock);
  archive_ = archive_write_new();
  entry_ = archive_entry_new();
  if (archive_ == nullptr || entry_ == nullptr) {
    release();
    throw std::bad_alloc();
  }

  fd_.reset(::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666));
  if (!fd_) {
    const int error = errno;
    release();
    throw ZipError{ZipError::Kind::createArchive, path_, error, {}};
  }
  struct stat st {};
  if (::fstat(fd_.get(), &st) != 0) {
    const int error = errno;
    fd_.reset();
    ::unlink(path_.c_str());
    release();
    throw ZipError{ZipError::Kind::createArchive, path_, error, {}};
  }
  device_ = st.st_dev;
  inode_ = st.st_ino;

  // Deflate at libarchive's default level, zlib's 6: the same as Info-ZIP's default.
  if (archive_write_set_format_zip(archive_) != ARCHIVE_OK ||
      archive_write_set_bytes_per_block(archive_, kOutputBlock) != ARCHIVE_OK ||
      archive_write_set_bytes_in_last_block(archive_, 1) != ARCHIVE_OK ||
      archive_write_open(archive_, this, nullptr, &ZipWriter::writeOutput, nullptr) != ARCHIVE_OK) {
    const auto failure = archiveFailure();
    release();
    throw failure;
  }
}

ZipWriter::~ZipWriter() { release(); }

void ZipWriter::release() {
  // Whatever libarchive still wants to flush goes nowhere once the archive is abandoned.
  if (!finished_) aborted_ = true;
  if (entry_ != nullptr) archive_entry_free(entry_);
  if (archive_ != nullptr) archive_write_free(archive_);
  entry_ = nullptr;
  archive_ = nullptr;
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

ssize_t ZipWriter::writeOutput(struct archive* a, void* self, const void* data, std::size_t length) {
  auto* writer = static_cast<ZipWriter*>(self);
  if (writer->aborted_) {
    archive_set_error(a, ECANCELED, "archive abandoned");
    return -1;
  }
  const auto* bytes = static_cast<const char*>(data);
  std::size_t done = 0;
  while (done < length) {
    const auto n = ::write(writer->fd_.get(), bytes + done, length - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      writer->outputErrno_ = errno;
      archive_set_error(a, errno, "%s", std::strerror(errno));
      return -1;
    }
    done += static_cast<std::size_t>(n);
  }
  return static_cast<ssize_t>(length);
}

ZipError ZipWriter::archiveFailure() const {
  if (outputErrno_ != 0) return {ZipError::Kind::writeArchive, path_, outputErrno_, {}};
  const char* text = archive_ != nullptr ? archive_error_string(archive_) : nullptr;
  return {ZipError::Kind::writeArchive, path_, 0, text != nullptr ? text : "archive library failure"};
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
  writeHeader(item.entryName, st, nullptr);
  addFolderContents(folder.get(), item.shownPath, item.entryName + "/");
}

void ZipWriter::addSymlink(int folderFd, const Item& item, const struct stat& st) {
  const auto target = platform::readLinkAt(folderFd, item.name.c_str(), static_cast<std::size_t>(st.st_size));
  if (!target) throw ZipError{ZipError::Kind::openItem, item.shownPath, errno, {}};
  writeHeader(item.entryName, st, &*target);
}

void ZipWriter::addFile(int folderFd, const Item& item) {
  // Non-blocking so a file swapped for a pipe since listing cannot stall the open.
  FileDescriptor file(
      ::openat(folderFd, item.name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
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
  const auto headLength = static_cast<std::size_t>(std::min<std::uint64_t>(size, kReadBuffer));
  if (size > headLength) ::posix_fadvise(file.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
  if (readFully(file.get(), buffer_.get(), headLength, item.shownPath) != headLength) {
    throw ZipError{ZipError::Kind::itemChanged, item.shownPath, 0, {}};
  }

  const auto readBlock = [&](std::uint64_t offset, std::size_t length) -> std::span<const std::byte> {
    if (offset + length <= headLength) return {buffer_.get() + offset, length};
    std::size_t done = 0;
    while (done < length) {
      const auto n = ::pread(file.get(), probeBuffer_.get() + done, length - done, static_cast<off_t>(offset + done));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) throw ZipError{ZipError::Kind::readItem, item.shownPath, errno, {}};
      if (n == 0) throw ZipError{ZipError::Kind::itemChanged, item.shownPath, 0, {}};
      done += static_cast<std::size_t>(n);
    }
    return {probeBuffer_.get(), length};
  };
  const auto compression = chooseCompression(size, readBlock);
  const int set = compression == Compression::store ? archive_write_zip_set_compression_store(archive_)
                                                     : archive_write_zip_set_compression_deflate(archive_);
  if (set != ARCHIVE_OK) throw archiveFailure();
  ++(compression == Compression::store ? summary_.storedFiles : summary_.deflatedFiles);

  writeHeader(item.entryName, st, nullptr);
  writeData(buffer_.get(), headLength);
  for (std::uint64_t remaining = size - headLength; remaining > 0;) {
    const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(remaining, kReadBuffer));
    const auto got = readFully(file.get(), buffer_.get(), want, item.shownPath);
    if (got != want) throw ZipError{ZipError::Kind::itemChanged, item.shownPath, 0, {}};
    writeData(buffer_.get(), got);
    remaining -= got;
  }
}

void ZipWriter::writeHeader(const std::string& entryName, const struct stat& st, const std::string* linkTarget) {
  archive_entry_clear(entry_);
  archive_entry_copy_pathname(entry_, entryName.c_str());
  archive_entry_set_mode(entry_, st.st_mode);
  archive_entry_set_uid(entry_, st.st_uid);
  archive_entry_set_gid(entry_, st.st_gid);
  archive_entry_set_mtime(entry_, st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
  if (S_ISREG(st.st_mode)) archive_entry_set_size(entry_, st.st_size);
  if (linkTarget != nullptr) archive_entry_copy_symlink(entry_, linkTarget->c_str());

  const auto& locales = nameLocales();
  const bool flagUtf8 = !isAscii(entryName) && text::isValidUtf8(entryName) && locales.utf8 != nullptr;
  const locale_t nameLocale = flagUtf8 ? locales.utf8 : locales.plain;
  const locale_t previous = nameLocale != nullptr ? ::uselocale(nameLocale) : nullptr;
  const int status = archive_write_header(archive_, entry_);
  if (previous != nullptr) ::uselocale(previous);
  if (status != ARCHIVE_OK) throw archiveFailure();
  ++summary_.entries;
}

void ZipWriter::writeData(const std::byte* data, std::size_t length) {
  if (length == 0) return;
  if (archive_write_data(archive_, data, length) != static_cast<la_ssize_t>(length)) throw archiveFailure();
}

void ZipWriter::finish() {
  if (archive_write_close(archive_) != ARCHIVE_OK) throw archiveFailure();
  if (fd_.close() != 0) {
    const int error = errno;
    removeArchiveFile();
    throw ZipError{ZipError::Kind::writeArchive, path_, error, {}};
  }
  finished_ = true;
}

}  // namespace nimbra::ziptool
