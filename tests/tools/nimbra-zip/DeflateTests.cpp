#include "Deflate.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>
#include <vector>

namespace nimbra::ziptool {
namespace {

using Bytes = std::vector<std::byte>;

Bytes sample(const std::string& kind, std::size_t size, unsigned seed) {
  std::mt19937 engine(seed);
  Bytes bytes(size);
  const std::string words[] = {"part ", "stream ", "block\n", "final ", "stored "};
  for (std::size_t i = 0; i < size;) {
    if (kind == "noise") {
      bytes[i++] = static_cast<std::byte>(engine());
    } else if (kind == "zeros") {
      ++i;
    } else {
      for (const char c : words[engine() % std::size(words)]) {
        if (i < size) bytes[i++] = static_cast<std::byte>(c);
      }
    }
  }
  return bytes;
}

// Raw inflate by zlib, an independent decoder; nothing when the stream is broken or
// does not end exactly where its bytes do.
std::optional<Bytes> inflateAll(const Bytes& stream, std::size_t expected) {
  z_stream z{};
  inflateInit2(&z, -15);
  Bytes out(expected + 1);
  z.next_in = reinterpret_cast<Bytef*>(const_cast<std::byte*>(stream.data()));
  z.avail_in = static_cast<uInt>(stream.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  const int status = inflate(&z, Z_FINISH);
  out.resize(z.total_out);
  const bool whole = status == Z_STREAM_END && z.avail_in == 0;
  inflateEnd(&z);
  return whole ? std::optional(out) : std::nullopt;
}

TEST(Deflate, PartsCompressedApartJoinIntoOneStreamOfTheWholeInput) {
  Deflater deflater(7);
  // Tiny, block-sized and odd lengths, so that parts end on many different bit positions.
  const std::vector<std::vector<std::size_t>> splits = {
      {1, 1}, {3, 100000}, {65536, 65535, 7}, {300000, 300001, 1, 200000}, {1 << 20, 5000}};
  for (const auto* kind : {"text", "noise", "zeros"}) {
    for (const auto& split : splits) {
      std::size_t total = 0;
      for (const auto length : split) total += length;
      const auto input = sample(kind, total, static_cast<unsigned>(total));
      Bytes stream;
      std::size_t offset = 0;
      for (std::size_t i = 0; i < split.size(); ++i) {
        Bytes out(Deflater::partBound(split[i]));
        out.resize(deflater.compressPart({input.data() + offset, split[i]}, out, i + 1 == split.size()));
        stream.insert(stream.end(), out.begin(), out.end());
        offset += split[i];
      }
      EXPECT_EQ(inflateAll(stream, total), input) << kind << " in " << split.size() << " parts";
    }
  }
}

TEST(Deflate, WholeInputIsDeflatedOnlyWhenThatMakesItSmaller) {
  Deflater deflater(7);
  const auto text = sample("text", 200000, 1);
  Bytes out(text.size());
  out.resize(deflater.compressWhole(text, out));
  ASSERT_GT(out.size(), 0u);
  EXPECT_LT(out.size(), text.size() / 3);
  EXPECT_EQ(inflateAll(out, text.size()), text);
  for (const auto& incompressible : {sample("noise", 100000, 2), sample("text", 1, 3), Bytes()}) {
    Bytes room(incompressible.size() + 100);
    EXPECT_EQ(deflater.compressWhole(incompressible, room), 0u) << incompressible.size();
  }
}

}  // namespace
}  // namespace nimbra::ziptool
