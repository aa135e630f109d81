#include "CompressionProbe.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace nimbra::ziptool {
namespace {

using Bytes = std::vector<std::byte>;

Bytes randomBytes(std::size_t size, unsigned seed) {
  std::mt19937 engine(seed);
  Bytes bytes(size);
  for (auto& b : bytes) b = static_cast<std::byte>(engine());
  return bytes;
}

Bytes text(std::size_t size) {
  const std::string sample = "The quick brown fox jumps over the lazy dog; pack my box with five dozen jugs.\n";
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::byte>(sample[(i * 7919) % sample.size()]);
  return bytes;
}

TEST(CompressionProbe, OnlyBlocksDeflateCannotShrinkLookIncompressible) {
  Bytes cycle(kProbeBlock);  // every byte value equally often: only the repeated-string test can tell
  for (std::size_t i = 0; i < cycle.size(); ++i) cycle[i] = static_cast<std::byte>(i);
  auto twice = randomBytes(kProbeBlock / 2, 3);  // random, but repeated within deflate's window
  twice.insert(twice.end(), twice.begin(), twice.end());
  EXPECT_TRUE(looksIncompressible(randomBytes(kProbeBlock, 1)));
  EXPECT_TRUE(looksIncompressible(randomBytes(kProbeMinimumSize, 2)));
  for (const auto& compressible : {text(kProbeBlock), Bytes(kProbeBlock), Bytes(), cycle, twice}) {
    EXPECT_FALSE(looksIncompressible(compressible));
  }
}

TEST(CompressionProbe, StoresOnlyWhenEverySampledBlockIsIncompressible) {
  std::vector<std::pair<std::uint64_t, std::size_t>> reads;
  auto choose = [&](const Bytes& content) {
    reads.clear();
    return chooseCompression(content.size(), [&](std::uint64_t offset, std::size_t length) {
      reads.emplace_back(offset, length);
      return std::span<const std::byte>(content).subspan(offset, length);
    });
  };
  EXPECT_EQ(choose({}), Compression::store);
  EXPECT_EQ(choose(randomBytes(kProbeMinimumSize - 1, 4)), Compression::deflate);
  EXPECT_TRUE(reads.empty());  // too small to be worth a look
  const auto noise = randomBytes(5 * 1024 * 1024 + 7, 5);
  EXPECT_EQ(choose(noise), Compression::store);
  ASSERT_EQ(reads.size(), 8u);
  EXPECT_EQ(reads.front().first, 0u);
  EXPECT_EQ(reads.back().first + reads.back().second, noise.size());
  // Compressed payload with a plain index at the end, the shape of zip and pdf files.
  auto indexed = randomBytes(300 * 1024, 6);
  const auto index = text(kProbeBlock);
  indexed.insert(indexed.end(), index.begin(), index.end());
  EXPECT_EQ(choose(indexed), Compression::deflate);
}

}  // namespace
}  // namespace nimbra::ziptool
