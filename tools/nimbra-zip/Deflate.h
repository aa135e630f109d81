#pragma once
// Raw deflate with libdeflate, whole or in parts. libdeflate compresses whole buffers
// only and ends each with a final block; parts of one long stream are compressed on
// their own (in parallel) and joined: every part but the last has its final-block bit
// cleared and ends with an empty stored block, so it stops on a byte boundary where the
// next part can begin.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

struct libdeflate_compressor;

namespace nimbra::ziptool {

// One per thread: it holds libdeflate's and zlib's working state.
class Deflater {
 public:
  explicit Deflater(int level);
  ~Deflater();
  Deflater(const Deflater&) = delete;
  Deflater& operator=(const Deflater&) = delete;

  // Room `out` needs for compressPart() of `length` bytes.
  static std::size_t partBound(std::size_t length);

  // Returns the compressed length, or 0 when deflate would not make `in` smaller and it
  // should be stored (`out` may be as small as `in`).
  std::size_t compressWhole(std::span<const std::byte> in, std::span<std::byte> out);

  // Compresses one part of a longer stream; `last` for the part that ends it.
  std::size_t compressPart(std::span<const std::byte> in, std::span<std::byte> out, bool last);

 private:
  struct Inflater;
  libdeflate_compressor* compressor_;
  std::unique_ptr<Inflater> inflater_;
};

}  // namespace nimbra::ziptool
