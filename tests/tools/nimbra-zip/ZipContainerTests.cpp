// The container against an independent reader: random archives written through it are
// read back by libarchive, from the central directory and from the local headers alone.

#include "ZipContainer.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <random>

#include "Deflate.h"
#include "FileTesting.h"

namespace nimbra::ziptool {
namespace {

using Entries = std::vector<std::string>;

// What a reader must see of one entry. Local headers hold no mode, so a streaming
// reader sees none, and a link as a file whose content is its target.
std::string seen(const std::string& name, mode_t mode, std::int64_t uid, std::int64_t gid, std::int64_t mtime,
                 const std::string& data) {
  return name + " " + std::to_string(mode) + " " + std::to_string(uid) + ":" + std::to_string(gid) + " " +
         std::to_string(mtime) + " " + std::to_string(std::hash<std::string>()(data)) + "/" +
         std::to_string(data.size());
}

// Random entries of every kind, whole or streamed in parts, stored or deflated, some
// with Zip64 sizes in their local header. Returns what each reader must see.
std::pair<Entries, Entries> writeRandomEntries(ZipContainer& zip, std::mt19937& random) {
  const auto next = [&random](std::uint32_t below) { return static_cast<std::uint32_t>(random() % below); };
  const std::string names[] = {"plain.txt", "folder/inner name", "x"};
  Deflater deflater(6);
  Entries central, local;
  for (int i = 0, count = 1 + static_cast<int>(next(12)); i < count; ++i) {
    const auto kind = next(3);
    auto name = std::to_string(i) + "-" + names[next(3)];
    mode_t mode = S_IFREG | 0600;
    std::string data = next(2) ? testing::randomText(next(200000), i) : std::string(next(300000), 'z');
    if (kind < 2) mode = kind == 0 ? S_IFDIR | 0750 : S_IFLNK | 0777;
    if (kind < 2) data = kind == 0 ? "" : "../target " + std::to_string(i);
    if (kind == 0) name += "/";
    const EntryHeader header{name, mode, next(70000), next(70000), 1'000'000'000 + next(1'000'000'000)};
    const auto crc = static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(data.data()), data.size()));
    const auto bytes = std::as_bytes(std::span(data));
    const auto method = kind == 2 && next(2) ? Method::deflate : Method::store;
    if (kind == 2 && next(2)) {
      zip.begin(header, method, next(2) ? data.size() : std::uint64_t{1} << 33);
      std::size_t offset = 0;
      do {
        const auto length = std::min<std::size_t>(data.size() - offset, 1 + next(100000));
        std::vector<std::byte> out(Deflater::partBound(length));
        const auto in = bytes.subspan(offset, length);
        offset += length;
        zip.append(
            method == Method::store ? in : std::span(out).first(deflater.compressPart(in, out, offset == data.size())));
      } while (offset < data.size());
      zip.end(crc, data.size());
    } else {
      std::vector<std::byte> out(data.size());
      const auto deflated = method == Method::deflate ? deflater.compressWhole(bytes, out) : 0;
      zip.add(header, deflated ? Method::deflate : Method::store, crc, data.size(),
              deflated ? std::span(out).first(deflated) : bytes);
    }
    central.push_back(seen(name, mode, header.uid, header.gid, header.mtime, data));
    local.push_back(seen(name, 0, header.uid, header.gid, header.mtime, data));
  }
  return {central, local};
}

Entries readBack(const std::string& path, bool seekable) {
  Entries entries;
  auto* reader = archive_read_new();
  seekable ? archive_read_support_format_zip_seekable(reader) : archive_read_support_format_zip_streamable(reader);
  EXPECT_EQ(archive_read_open_filename(reader, path.c_str(), 64 * 1024), ARCHIVE_OK) << archive_error_string(reader);
  archive_entry* entry = nullptr;
  int status;
  while ((status = archive_read_next_header(reader, &entry)) == ARCHIVE_OK) {
    std::string data = S_ISLNK(archive_entry_mode(entry)) ? archive_entry_symlink(entry) : "";
    char block[65536];
    la_ssize_t n;
    while ((n = archive_read_data(reader, block, sizeof block)) > 0) data.append(block, static_cast<std::size_t>(n));
    EXPECT_EQ(n, 0) << archive_error_string(reader);
    entries.push_back(seen(archive_entry_pathname(entry), seekable ? archive_entry_mode(entry) : 0,
                           archive_entry_uid(entry), archive_entry_gid(entry), archive_entry_mtime(entry), data));
  }
  EXPECT_EQ(status, ARCHIVE_EOF) << archive_error_string(reader);
  archive_read_free(reader);
  return entries;
}

TEST(ZipContainer, RandomArchivesReadBackAsWrittenByAnIndependentReader) {
  const testing::TemporaryFolder folder;
  std::mt19937 random(20240601);
  for (int round = 0; round < 40; ++round) {
    const auto path = (folder / ("archive-" + std::to_string(round) + ".zip")).string();
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    // Every fourth archive starts past a 4 GiB hole: all its offsets need Zip64.
    const bool far = round % 4 == 3;
    if (far) ::lseek(fd, (off_t{1} << 32) + 17, SEEK_SET);
    ZipContainer zip(fd, path);
    const auto [central, local] = writeRandomEntries(zip, random);
    zip.finish();
    ::close(fd);
    EXPECT_EQ(readBack(path, true), central) << path;
    if (!far) {
      EXPECT_EQ(readBack(path, false), local) << path;
    }
    if (!far) std::filesystem::remove(path);
  }
}

}  // namespace
}  // namespace nimbra::ziptool
