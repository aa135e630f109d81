#pragma once
// The ZIP container around already compressed data: local headers, central directory,
// Zip64 records and the end record, written in one pass to a file this program created.
// CRC and sizes always sit in the local header (no data descriptors): written up front
// for data compressed whole, patched in place once the last part of streamed data is out.

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace nimbra::ziptool {

enum class Method : std::uint16_t { store = 0, deflate = 8 };

struct EntryHeader {
  std::string name;  // as stored: raw bytes, folders ending in '/'
  mode_t mode = 0;
  std::uint32_t uid = 0;
  std::uint32_t gid = 0;
  std::int64_t mtime = 0;  // seconds since the epoch
};

// Every write failure throws ZipError (writeArchive) naming `path`.
class ZipContainer {
 public:
  // Writes to `fd` from its current offset on; it must be a regular file (headers of
  // streamed entries are patched in place).
  ZipContainer(int fd, std::string path);

  // An entry whose data is complete: `data` is what follows the header (compressed or not).
  void add(const EntryHeader& header, Method method, std::uint32_t crc, std::uint64_t size,
           std::span<const std::byte> data);

  // An entry streamed in parts; `expectedSize` (uncompressed) decides whether the local
  // header needs room for Zip64 sizes.
  void begin(const EntryHeader& header, Method method, std::uint64_t expectedSize);
  void append(std::span<const std::byte> data);
  void end(std::uint32_t crc, std::uint64_t size);

  // Central directory and end records; everything is written when it returns.
  void finish();

 private:
  struct Open {
    EntryHeader header;
    Method method = Method::store;
    std::uint64_t offset = 0;  // of the local header
    std::uint64_t dataStart = 0;
    bool zip64 = false;
  };
  void writeLocal(const EntryHeader& header, Method method, std::uint32_t crc, std::uint64_t compressed,
                  std::uint64_t size, bool zip64);
  void addCentral(const Open& entry, std::uint32_t crc, std::uint64_t compressed, std::uint64_t size);
  void put(std::span<const std::byte> data);
  void put(const std::string& bytes);
  void patch(std::uint64_t at, const std::string& bytes);
  void flush();

  int fd_;
  std::string path_;
  std::vector<std::byte> buffer_;
  std::uint64_t flushed_ = 0;  // bytes already in the file
  // Where the next byte goes: past what is in the file and in the buffer.
  std::uint64_t offset() const { return flushed_ + buffer_.size(); }
  std::string central_;        // the central directory, built as entries are added
  std::uint64_t entries_ = 0;
  Open open_;  // the streamed entry in progress
};

}  // namespace nimbra::ziptool
