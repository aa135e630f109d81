#include "Deflate.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <numeric>

#include "FileTesting.h"

namespace nimbra::ziptool {
namespace {

std::span<const std::byte> bytesOf(const std::string& text) { return std::as_bytes(std::span(text)); }

std::string compressible(std::size_t size) {
  std::string text;
  for (unsigned i = 0; text.size() < size; i = i * 7 + 3) text += "block " + std::to_string(i % 1000) + " part\n";
  return text.substr(0, size);
}

// Raw inflate by zlib, an independent decoder; nothing when the stream is broken or
// does not end exactly where its bytes do.
std::optional<std::string> inflateAll(const std::vector<std::byte>& stream, std::size_t expected) {
  std::string out(expected + 1, '\0');
  z_stream z{};
  inflateInit2(&z, -15);
  z.next_in = reinterpret_cast<Bytef*>(const_cast<std::byte*>(stream.data()));
  z.avail_in = static_cast<uInt>(stream.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  const bool whole = inflate(&z, Z_FINISH) == Z_STREAM_END && z.avail_in == 0;
  out.resize(z.total_out);
  inflateEnd(&z);
  return whole ? std::optional(out) : std::nullopt;
}

TEST(Deflate, PartsCompressedApartJoinIntoOneStreamOfTheWholeInput) {
  Deflater deflater(7);
  // Tiny, block-sized and odd lengths, so that parts end on many different bit positions.
  const std::vector<std::vector<std::size_t>> splits = {
      {1, 1}, {3, 100000}, {65536, 65535, 7}, {300000, 300001, 1, 200000}, {1 << 20, 5000}};
  for (const auto& split : splits) {
    const auto total = std::accumulate(split.begin(), split.end(), std::size_t{0});
    for (const auto& input : {compressible(total), testing::randomText(total, 1), std::string(total, '\0')}) {
      std::vector<std::byte> stream;
      for (std::size_t i = 0, offset = 0; i < split.size(); offset += split[i++]) {
        std::vector<std::byte> out(Deflater::partBound(split[i]));
        const bool last = i + 1 == split.size();
        out.resize(deflater.compressPart(bytesOf(input).subspan(offset, split[i]), out, last));
        stream.insert(stream.end(), out.begin(), out.end());
      }
      EXPECT_EQ(inflateAll(stream, total), input) << split.size() << " parts of " << total << " bytes";
    }
  }
}

TEST(Deflate, WholeInputIsDeflatedOnlyWhenThatMakesItSmaller) {
  Deflater deflater(7);
  const auto text = compressible(200000);
  std::vector<std::byte> out(text.size());
  out.resize(deflater.compressWhole(bytesOf(text), out));
  EXPECT_LT(out.size(), text.size() / 3);
  EXPECT_EQ(inflateAll(out, text.size()), text);
  for (const auto& incompressible : {testing::randomText(100000, 2), std::string("x"), std::string()}) {
    std::vector<std::byte> room(incompressible.size() + 100);
    EXPECT_EQ(deflater.compressWhole(bytesOf(incompressible), room), 0u) << incompressible.size();
  }
}

}  // namespace
}  // namespace nimbra::ziptool
