#include "CompressionProbe.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace nimbra::ziptool {

namespace {

constexpr std::uint64_t kMaxSamples = 8;

// Entropy (bits per byte) from which Huffman coding gains under about 0.25%.
constexpr double kIncompressibleEntropy = 7.98;

// Repeated 4-byte strings allowed per block before LZ77 is assumed to pay off.
// Random data of one block shows well under one such repeat on average.
constexpr std::size_t kRepeatsPerBlock = kProbeBlock / 1024;

// Order-0 entropy with the Miller-Madow correction: the plain estimate is biased low on
// a block of a few kilobytes, which would make random data look compressible.
double correctedEntropy(std::span<const std::byte> block) {
  std::array<std::uint32_t, 256> counts{};
  for (const auto b : block) ++counts[static_cast<unsigned char>(b)];
  const double n = static_cast<double>(block.size());
  double bits = 0;
  int used = 0;
  for (const auto count : counts) {
    if (count == 0) continue;
    ++used;
    const double p = count / n;
    bits -= p * std::log2(p);
  }
  return bits + (used - 1) / (2 * n * std::log(2.0));
}

// Counts positions whose 4-byte string already occurred in the block (as far as a small
// direct-mapped table remembers), stopping once `limit` is exceeded.
std::size_t repeatedStrings(std::span<const std::byte> block, std::size_t limit) {
  constexpr int kTableBits = 12;
  std::array<std::uint32_t, std::size_t{1} << kTableBits> seen{};
  std::array<bool, std::size_t{1} << kTableBits> used{};
  std::size_t repeats = 0;
  for (std::size_t i = 0; i + 4 <= block.size(); ++i) {
    std::uint32_t word;
    std::memcpy(&word, block.data() + i, sizeof word);
    const auto slot = (word * 2654435761u) >> (32 - kTableBits);
    if (used[slot] && seen[slot] == word) {
      if (++repeats > limit) break;
    }
    seen[slot] = word;
    used[slot] = true;
  }
  return repeats;
}

}  // namespace

bool looksIncompressible(std::span<const std::byte> block) {
  if (block.empty()) return false;
  // The entropy test is the cheap one and rejects nearly all ordinary data first.
  if (correctedEntropy(block) < kIncompressibleEntropy) return false;
  const auto limit = std::max<std::size_t>(1, kRepeatsPerBlock * block.size() / kProbeBlock);
  return repeatedStrings(block, limit) <= limit;
}

Compression chooseCompression(std::uint64_t size, const BlockReader& readBlock) {
  if (size == 0) return Compression::store;
  if (size < kProbeMinimumSize) return Compression::deflate;
  const std::uint64_t length = std::min<std::uint64_t>(size, kProbeBlock);
  const std::uint64_t samples = std::min(kMaxSamples, (size + length - 1) / length);
  const std::uint64_t lastOffset = size - length;
  for (std::uint64_t i = 0; i < samples; ++i) {
    // Evenly spread, the last block ending at the end of the file.
    const std::uint64_t offset = i + 1 == samples ? lastOffset : lastOffset / (samples - 1) * i;
    if (!looksIncompressible(readBlock(offset, static_cast<std::size_t>(length)))) return Compression::deflate;
  }
  return Compression::store;
}

}  // namespace nimbra::ziptool
