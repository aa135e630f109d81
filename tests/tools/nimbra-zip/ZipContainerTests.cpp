// The container against an independent reader: random archives written through it are
// read back by libarchive, from the central directory and from the local headers alone.

#include "ZipContainer.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <locale.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <random>

#include "Deflate.h"
#include "TemporaryDirectory.h"

namespace nimbra::ziptool {
namespace {

struct Expected {
  std::string name;
  mode_t mode;
  std::uint32_t uid;
  std::uint32_t gid;
  std::int64_t mtime;
  std::string data;  // content or link target

  bool operator==(const Expected&) const = default;
  friend void PrintTo(const Expected& e, std::ostream* out) {
    *out << e.name << " mode " << std::oct << e.mode << std::dec << " owner " << e.uid << ":" << e.gid << " time "
         << e.mtime << ", " << e.data.size() << " bytes";
  }
};

std::span<const std::byte> bytesOf(const std::string& text) { return std::as_bytes(std::span(text)); }

// Random entries of every kind, whole or streamed in parts, stored or deflated, some
// with Zip64 sizes in their local header.
std::vector<Expected> writeRandomEntries(ZipContainer& zip, std::mt19937& random) {
  const auto engine = [&random] { return static_cast<std::uint32_t>(random()); };
  Deflater deflater(6);
  std::vector<Expected> written;
  const int count = 1 + static_cast<int>(engine() % 12);
  for (int i = 0; i < count; ++i) {
    const auto kind = engine() % 3;
    const std::string names[] = {"plain.txt", "Ünïcødé ✓.txt", "folder/inner name"};
    const auto name = std::to_string(i) + "-" + names[engine() % 3];
    const auto mtime = 1'000'000'000 + std::int64_t{engine() % 1'000'000'000};
    Expected e{name, 0644, engine() % 70000, engine() % 70000, mtime, {}};
    if (kind == 0) {
      e.name += "/";
      e.mode = S_IFDIR | 0750;
    } else if (kind == 1) {
      e.mode = S_IFLNK | 0777;
      e.data = "../target " + std::to_string(i);
    } else {
      e.mode = S_IFREG | 0600;
      e.data = engine() % 2 ? testing::randomText(engine() % 200000, i) : std::string(engine() % 300000, 'z');
    }
    const EntryHeader header{e.name, e.mode, e.uid, e.gid, e.mtime};
    const auto crc = static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(e.data.data()), e.data.size()));
    const auto method = kind == 2 && engine() % 2 ? Method::deflate : Method::store;
    if (kind == 2 && engine() % 2) {
      zip.begin(header, method, engine() % 2 ? e.data.size() : std::uint64_t{1} << 33);
      for (std::size_t offset = 0, part = 0; offset < e.data.size() || part == 0; ++part) {
        const auto length = std::min<std::size_t>(e.data.size() - offset, 1 + engine() % 100000);
        const bool last = offset + length == e.data.size();
        std::vector<std::byte> out(Deflater::partBound(length));
        const auto in = bytesOf(e.data).subspan(offset, length);
        zip.append(method == Method::store ? in : std::span(out).first(deflater.compressPart(in, out, last)));
        offset += length;
      }
      zip.end(crc, e.data.size());
    } else {
      std::vector<std::byte> out(e.data.size());
      const auto deflated = method == Method::deflate ? deflater.compressWhole(bytesOf(e.data), out) : 0;
      zip.add(header, deflated ? Method::deflate : Method::store, crc, e.data.size(),
              deflated ? std::span(out).first(deflated) : bytesOf(e.data));
    }
    written.push_back(std::move(e));
  }
  return written;
}

// A streaming reader sees only local headers, which hold no mode: a link is a file
// whose content is its target.
Expected asStreamed(Expected e) {
  e.mode = 0;
  return e;
}

std::vector<Expected> readBack(const std::string& path, bool seekable) {
  std::vector<Expected> entries;
  auto* reader = archive_read_new();
  seekable ? archive_read_support_format_zip_seekable(reader) : archive_read_support_format_zip_streamable(reader);
  EXPECT_EQ(archive_read_open_filename(reader, path.c_str(), 64 * 1024), ARCHIVE_OK) << archive_error_string(reader);
  archive_entry* entry = nullptr;
  int status;
  while ((status = archive_read_next_header(reader, &entry)) == ARCHIVE_OK) {
    Expected e{archive_entry_pathname_utf8(entry),
               archive_entry_mode(entry),
               static_cast<std::uint32_t>(archive_entry_uid(entry)),
               static_cast<std::uint32_t>(archive_entry_gid(entry)),
               archive_entry_mtime(entry),
               {}};
    if (S_ISLNK(e.mode)) e.data = archive_entry_symlink(entry);
    if (!seekable) e.mode = 0;
    char block[65536];
    for (la_ssize_t n; (n = archive_read_data(reader, block, sizeof block)) != 0;) {
      if (n < 0) {
        ADD_FAILURE() << e.name << ": " << archive_error_string(reader);
        break;
      }
      e.data.append(block, static_cast<std::size_t>(n));
    }
    entries.push_back(std::move(e));
  }
  EXPECT_EQ(status, ARCHIVE_EOF) << archive_error_string(reader);
  archive_read_free(reader);
  return entries;
}

TEST(ZipContainer, RandomArchivesReadBackAsWrittenByAnIndependentReader) {
  const testing::TemporaryFolder folder;
  std::mt19937 engine(20240601);
  // libarchive hands out names in the locale's character set.
  const auto utf8 = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
  ASSERT_NE(utf8, nullptr);
  const auto previous = ::uselocale(utf8);
  for (int round = 0; round < 40; ++round) {
    const auto path = (folder / ("archive-" + std::to_string(round) + ".zip")).string();
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    // Every fourth archive starts past a 4 GiB hole: all its offsets need Zip64.
    const bool far = round % 4 == 3;
    if (far) ::lseek(fd, (off_t{1} << 32) + 17, SEEK_SET);
    ZipContainer zip(fd, path);
    const auto expected = writeRandomEntries(zip, engine);
    zip.finish();
    ::close(fd);
    EXPECT_EQ(readBack(path, true), expected) << path;
    // The local headers alone (a streaming reader) hold the same.
    if (!far) {
      std::vector<Expected> streamed;
      for (const auto& e : expected) streamed.push_back(asStreamed(e));
      EXPECT_EQ(readBack(path, false), streamed) << path;
    }
    std::filesystem::remove(path);
  }
  ::uselocale(previous);
  ::freelocale(utf8);
}

}  // namespace
}  // namespace nimbra::ziptool
