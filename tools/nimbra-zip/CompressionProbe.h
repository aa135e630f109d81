#pragma once
// Picks store or deflate for a file before its entry is written. The method sits in the
// local header ahead of the data, so deflate cannot fall back to store after the fact;
// instead a few blocks are examined and data that is already compressed (archives,
// most media, encrypted files) is stored without spending time on deflating it.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace nimbra::ziptool {

enum class Compression { store, deflate };

// Size of one examined block, and the smallest file worth examining at all: below it
// deflate costs little whatever the content.
inline constexpr std::size_t kProbeBlock = 16 * 1024;
inline constexpr std::uint64_t kProbeMinimumSize = 4 * 1024;

// Returns `length` bytes of the file starting at `offset` (offset + length <= size).
using BlockReader = std::function<std::span<const std::byte>(std::uint64_t offset, std::size_t length)>;

// Store for empty files and for files whose every sampled block looks incompressible;
// deflate otherwise. Samples up to 8 blocks spread over the whole file, first and last
// included, so a compressed payload with a plain index at its end (zip, pdf) is deflated.
Compression chooseCompression(std::uint64_t size, const BlockReader& readBlock);

// True when deflate could gain next to nothing on `block`: its byte distribution is
// close to uniform (so Huffman coding cannot help) and it holds almost no repeated
// 4-byte strings (so LZ77 matching cannot either).
bool looksIncompressible(std::span<const std::byte> block);

}  // namespace nimbra::ziptool
