#include "ZipContainer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <limits>

#include "ZipError.h"
#include "nimbra/Text.h"

namespace nimbra::ziptool {

namespace {

constexpr std::size_t kBuffer = 256 * 1024;
constexpr std::uint32_t kMax32 = 0xFFFFFFFF;
constexpr std::uint16_t kMadeByUnix = (3 << 8) | 30;
constexpr std::uint16_t kUtf8Flag = 1 << 11;
// Streamed data this large gets Zip64 room in its local header: deflate may grow
// incompressible parts by a few bytes each, so the margin below 4 GiB is generous.
constexpr std::uint64_t kZip64Streamed = 0xF0000000;

// Little-endian fields appended to a header.
void le(std::string& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}
std::string le(std::uint64_t value, int bytes) {
  std::string out;
  le(out, value, bytes);
  return out;
}

// DOS time: local time in 2-second steps, rounded up as Info-ZIP does; 1980 to 2107.
std::pair<std::uint16_t, std::uint16_t> dosTime(std::int64_t mtime) {
  const time_t t = static_cast<time_t>(mtime + (mtime & 1));
  struct tm local {};
  if (::localtime_r(&t, &local) == nullptr || local.tm_year < 80) return {0, (1 << 5) | 1};
  if (local.tm_year > 207) return {(23 << 11) | (59 << 5) | 29, (127 << 9) | (12 << 5) | 31};
  return {static_cast<std::uint16_t>((local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2)),
          static_cast<std::uint16_t>(((local.tm_year - 80) << 9) | ((local.tm_mon + 1) << 5) | local.tm_mday)};
}

std::uint16_t flagsFor(const std::string& name) {
  const bool ascii = std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  return !ascii && text::isValidUtf8(name) ? kUtf8Flag : 0;
}

std::uint16_t versionNeeded(Method method, bool zip64) {
  if (zip64) return 45;
  return method == Method::deflate ? 20 : 10;
}

// Modification time (exact seconds, UTC) and owner, the same in both headers.
void unixExtras(std::string& out, const EntryHeader& header) {
  const auto mtime = std::clamp<std::int64_t>(header.mtime, std::numeric_limits<std::int32_t>::min(),
                                              std::numeric_limits<std::int32_t>::max());
  le(out, 0x5455, 2);
  le(out, 5, 2);
  le(out, 1, 1);
  le(out, static_cast<std::uint32_t>(mtime), 4);
  le(out, 0x7875, 2);
  le(out, 11, 2);
  le(out, 1, 1);
  le(out, 4, 1);
  le(out, header.uid, 4);
  le(out, 4, 1);
  le(out, header.gid, 4);
}

void writeAll(int fd, const std::byte* data, std::size_t length, const std::string& path) {
  while (length > 0) {
    const auto n = ::write(fd, data, length);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw ZipError{ZipError::Kind::writeArchive, path, errno, {}};
    data += n;
    length -= static_cast<std::size_t>(n);
  }
}

}  // namespace

ZipContainer::ZipContainer(int fd, std::string path) : fd_(fd), path_(std::move(path)) {
  buffer_.reserve(kBuffer);
  // Offsets count from the start of the file, whatever precedes the archive.
  const auto start = ::lseek(fd_, 0, SEEK_CUR);
  if (start < 0) throw ZipError{ZipError::Kind::writeArchive, path_, errno, {}};
  flushed_ = static_cast<std::uint64_t>(start);
}

void ZipContainer::add(const EntryHeader& header, Method method, std::uint32_t crc, std::uint64_t size,
                       std::span<const std::byte> data) {
  const Open entry{header, method, offset(), 0, size >= kMax32 || data.size() >= kMax32};
  writeLocal(header, method, crc, data.size(), size, entry.zip64);
  put(data);
  addCentral(entry, crc, data.size(), size);
}

void ZipContainer::begin(const EntryHeader& header, Method method, std::uint64_t expectedSize) {
  open_ = Open{header, method, offset(), 0, expectedSize >= kZip64Streamed};
  writeLocal(header, method, 0, 0, 0, open_.zip64);
  open_.dataStart = offset();
}

void ZipContainer::append(std::span<const std::byte> data) { put(data); }

void ZipContainer::end(std::uint32_t crc, std::uint64_t size) {
  const std::uint64_t compressed = offset() - open_.dataStart;
  if (!open_.zip64 && (compressed >= kMax32 || size >= kMax32)) {
    throw ZipError{ZipError::Kind::writeArchive, path_, EFBIG, {}};
  }
  patch(open_.offset + 14, le(crc, 4));
  if (open_.zip64) {
    patch(open_.offset + 30 + open_.header.name.size() + 4, le(size, 8) + le(compressed, 8));
  } else {
    patch(open_.offset + 18, le(compressed, 4) + le(size, 4));
  }
  addCentral(open_, crc, compressed, size);
}

void ZipContainer::writeLocal(const EntryHeader& header, Method method, std::uint32_t crc, std::uint64_t compressed,
                              std::uint64_t size, bool zip64) {
  const auto [time, date] = dosTime(header.mtime);
  std::string out;
  le(out, 0x04034b50, 4);
  le(out, versionNeeded(method, zip64), 2);
  le(out, flagsFor(header.name), 2);
  le(out, static_cast<std::uint16_t>(method), 2);
  le(out, time, 2);
  le(out, date, 2);
  le(out, crc, 4);
  le(out, zip64 ? kMax32 : compressed, 4);
  le(out, zip64 ? kMax32 : size, 4);
  le(out, header.name.size(), 2);
  le(out, (zip64 ? 20 : 0) + 24, 2);
  out += header.name;
  if (zip64) {
    le(out, 1, 2);
    le(out, 16, 2);
    le(out, size, 8);
    le(out, compressed, 8);
  }
  unixExtras(out, header);
  put(out);
  ++entries_;
}

void ZipContainer::addCentral(const Open& entry, std::uint32_t crc, std::uint64_t compressed, std::uint64_t size) {
  // Only the fields that overflow go into the Zip64 field, in this order; sizes whenever
  // the local header had them there too.
  std::string zip64;
  const bool bigSizes = entry.zip64 || size >= kMax32 || compressed >= kMax32;
  if (bigSizes) zip64 += le(size, 8) + le(compressed, 8);
  if (entry.offset >= kMax32) zip64 += le(entry.offset, 8);

  const auto [time, date] = dosTime(entry.header.mtime);
  const bool folder = S_ISDIR(entry.header.mode);
  std::string& out = central_;
  le(out, 0x02014b50, 4);
  le(out, kMadeByUnix, 2);
  le(out, versionNeeded(entry.method, !zip64.empty()), 2);
  le(out, flagsFor(entry.header.name), 2);
  le(out, static_cast<std::uint16_t>(entry.method), 2);
  le(out, time, 2);
  le(out, date, 2);
  le(out, crc, 4);
  le(out, bigSizes ? kMax32 : compressed, 4);
  le(out, bigSizes ? kMax32 : size, 4);
  le(out, entry.header.name.size(), 2);
  le(out, (zip64.empty() ? 0 : 4 + zip64.size()) + 24, 2);
  le(out, 0, 2);  // comment
  le(out, 0, 2);  // disk
  le(out, 0, 2);  // internal attributes
  le(out, (std::uint32_t{entry.header.mode} << 16) | (folder ? 0x10 : 0), 4);
  le(out, std::min<std::uint64_t>(entry.offset, kMax32), 4);
  out += entry.header.name;
  if (!zip64.empty()) {
    le(out, 1, 2);
    le(out, zip64.size(), 2);
    out += zip64;
  }
  unixExtras(out, entry.header);
}

void ZipContainer::finish() {
  const std::uint64_t start = offset();
  put(central_);
  const std::uint64_t size = central_.size();
  central_.clear();
  central_.shrink_to_fit();
  std::string end;
  if (entries_ >= 0xFFFF || size >= kMax32 || start >= kMax32) {
    const std::uint64_t record = offset();
    le(end, 0x06064b50, 4);
    le(end, 44, 8);
    le(end, kMadeByUnix, 2);
    le(end, 45, 2);
    le(end, 0, 8);  // this disk, the central directory's disk
    le(end, entries_, 8);
    le(end, entries_, 8);
    le(end, size, 8);
    le(end, start, 8);
    le(end, 0x07064b50, 4);
    le(end, 0, 4);
    le(end, record, 8);
    le(end, 1, 4);
  }
  le(end, 0x06054b50, 4);
  le(end, 0, 4);
  le(end, std::min<std::uint64_t>(entries_, 0xFFFF), 2);
  le(end, std::min<std::uint64_t>(entries_, 0xFFFF), 2);
  le(end, std::min<std::uint64_t>(size, kMax32), 4);
  le(end, std::min<std::uint64_t>(start, kMax32), 4);
  le(end, 0, 2);
  put(end);
  flush();
}

void ZipContainer::put(const std::string& bytes) { put(std::as_bytes(std::span(bytes.data(), bytes.size()))); }

void ZipContainer::put(std::span<const std::byte> data) {
  // Headers gather in the buffer; large data goes straight out. A header is never split
  // across a flush, so patch() finds it whole in one place or the other.
  if (buffer_.size() + data.size() > kBuffer) flush();
  if (data.size() >= kBuffer) {
    writeAll(fd_, data.data(), data.size(), path_);
    flushed_ += data.size();
  } else {
    buffer_.insert(buffer_.end(), data.begin(), data.end());
  }
}

void ZipContainer::patch(std::uint64_t at, const std::string& bytes) {
  if (at >= flushed_) {
    std::memcpy(buffer_.data() + (at - flushed_), bytes.data(), bytes.size());
    return;
  }
  for (std::size_t done = 0; done < bytes.size();) {
    const auto n = ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(at + done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw ZipError{ZipError::Kind::writeArchive, path_, errno, {}};
    done += static_cast<std::size_t>(n);
  }
}

void ZipContainer::flush() {
  writeAll(fd_, buffer_.data(), buffer_.size(), path_);
  flushed_ += buffer_.size();
  buffer_.clear();
}

}  // namespace nimbra::ziptool
