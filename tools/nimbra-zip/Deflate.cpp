#include "Deflate.h"

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <new>
#include <stdexcept>

namespace nimbra::ziptool {

// zlib's inflate stops at every block boundary when asked (Z_BLOCK) and tells how many
// bits of the last byte it left unused: that locates the final block of libdeflate's
// output without any deflate decoding of our own.
struct Deflater::Inflater {
  z_stream stream{};
  std::array<unsigned char, 64 * 1024> junk;

  Inflater() {
    if (inflateInit2(&stream, -15) != Z_OK) throw std::bad_alloc();
  }
  ~Inflater() { inflateEnd(&stream); }

  struct Blocks {
    std::uint64_t lastStart;  // bit offset of the final block's header
    std::uint64_t end;        // bit offset just past its end-of-block code
  };
  Blocks findLastBlock(const unsigned char* data, std::size_t length) {
    inflateReset(&stream);
    stream.next_in = const_cast<unsigned char*>(data);
    stream.avail_in = static_cast<uInt>(length);
    std::uint64_t blockStart = 0;
    for (;;) {
      stream.next_out = junk.data();
      stream.avail_out = static_cast<uInt>(junk.size());
      const int status = inflate(&stream, Z_BLOCK);
      if (status != Z_OK) throw std::logic_error("deflate part does not decode");
      if ((stream.data_type & 128) == 0) continue;
      const std::uint64_t at = (length - stream.avail_in) * 8 - (stream.data_type & 7);
      if (stream.data_type & 64) return {blockStart, at};
      blockStart = at;
    }
  }
};

Deflater::Deflater(int level)
    : compressor_(libdeflate_alloc_compressor(level)), inflater_(std::make_unique<Inflater>()) {
  if (compressor_ == nullptr) throw std::bad_alloc();
}

Deflater::~Deflater() { libdeflate_free_compressor(compressor_); }

std::size_t Deflater::partBound(std::size_t length) {
  // The empty stored block appended to a part: at most 1 byte to close its header, 4 of length.
  return libdeflate_deflate_compress_bound(nullptr, length) + 5;
}

std::size_t Deflater::compressWhole(std::span<const std::byte> in, std::span<std::byte> out) {
  if (in.size() < 2) return 0;
  return libdeflate_deflate_compress(compressor_, in.data(), in.size(), out.data(),
                                     std::min(out.size(), in.size() - 1));
}

std::size_t Deflater::compressPart(std::span<const std::byte> in, std::span<std::byte> out, bool last) {
  if (out.size() < partBound(in.size())) throw std::logic_error("deflate part without room");
  auto* bytes = reinterpret_cast<unsigned char*>(out.data());
  const std::size_t length = libdeflate_deflate_compress(compressor_, in.data(), in.size(), bytes, out.size() - 5);
  if (length == 0) throw std::logic_error("deflate part without room");
  if (last) return length;

  const auto [lastStart, end] = inflater_->findLastBlock(bytes, length);
  if ((end + 7) / 8 != length) throw std::logic_error("deflate part with trailing bytes");
  bytes[lastStart / 8] &= static_cast<unsigned char>(~(1u << (lastStart % 8)));
  // An empty stored block: three zero header bits, zeros to the byte boundary, LEN 0, NLEN 0xFFFF.
  if (end % 8 != 0) bytes[end / 8] &= static_cast<unsigned char>((1u << (end % 8)) - 1);
  std::size_t joined = static_cast<std::size_t>((end + 3 + 7) / 8);
  std::fill(bytes + length, bytes + joined, 0);
  for (const unsigned char b : {0x00, 0x00, 0xFF, 0xFF}) bytes[joined++] = b;
  return joined;
}

}  // namespace nimbra::ziptool
