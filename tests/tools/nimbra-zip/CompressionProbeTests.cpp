#include "CompressionProbe.h"

#include <zlib.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace nimbra::ziptool {
namespace {

using Bytes = std::vector<std::byte>;

Bytes randomBytes(std::size_t size, unsigned seed) {
  std::mt19937 engine(seed);
  Bytes bytes(size);
  for (auto& b : bytes) b = static_cast<std::byte>(engine() & 0xFF);
  return bytes;
}

Bytes text(std::size_t size) {
  static const std::string kSample = "The quick brown fox jumps over the lazy dog; pack my box with five dozen jugs.\n";
  std::mt19937 engine(11);
  Bytes bytes;
  while (bytes.size() < size) bytes.push_back(static_cast<std::byte>(kSample[engine() % kSample.size()]));
  return bytes;
}

std::span<const std::byte> block(const Bytes& bytes, std::size_t offset = 0, std::size_t length = kProbeBlock) {
  return std::span<const std::byte>(bytes).subspan(offset, length);
}

TEST(CompressionProbe, OnlyDataDeflateCannotShrinkLooksIncompressible) {
  const auto plain = text(1 << 20);
  uLongf length = compressBound(static_cast<uLong>(plain.size()));
  Bytes deflated(length);
  ASSERT_EQ(compress2(reinterpret_cast<Bytef*>(deflated.data()), &length, reinterpret_cast<const Bytef*>(plain.data()),
                      static_cast<uLong>(plain.size()), 9), Z_OK);
  EXPECT_TRUE(looksIncompressible(block(deflated, kProbeBlock)));
  EXPECT_TRUE(looksIncompressible(block(randomBytes(kProbeBlock, 1))));
  EXPECT_TRUE(looksIncompressible(block(randomBytes(kProbeMinimumSize, 2), 0, kProbeMinimumSize)));

  EXPECT_FALSE(looksIncompressible(block(plain)));
  EXPECT_FALSE(looksIncompressible(block(Bytes(kProbeBlock))));
  EXPECT_FALSE(looksIncompressible({}));
  // Every byte value equally often, so only the repeated-string test can tell.
  Bytes cycle(kProbeBlock);
  for (std::size_t i = 0; i < cycle.size(); ++i) cycle[i] = static_cast<std::byte>(i & 0xFF);
  EXPECT_FALSE(looksIncompressible(block(cycle)));
  // Random data repeated within deflate's window.
  auto twice = randomBytes(kProbeBlock / 2, 3);
  twice.insert(twice.end(), twice.begin(), twice.end());
  EXPECT_FALSE(looksIncompressible(block(twice)));
}

TEST(CompressionProbe, StoresOnlyWhenEverySampledBlockIsIncompressible) {
  std::vector<std::pair<std::uint64_t, std::size_t>> reads;
  auto choose = [&](const Bytes& content) {
    reads.clear();
    return chooseCompression(content.size(), [&](std::uint64_t offset, std::size_t length) {
      reads.emplace_back(offset, length);
      return block(content, offset, length);
    });
  };
  EXPECT_EQ(choose({}), Compression::store);
  EXPECT_EQ(choose(randomBytes(kProbeMinimumSize - 1, 4)), Compression::deflate);
  EXPECT_TRUE(reads.empty());
  EXPECT_EQ(choose(randomBytes(kProbeBlock / 2, 7)), Compression::store);
  EXPECT_EQ(reads, (std::vector<std::pair<std::uint64_t, std::size_t>>{{0, kProbeBlock / 2}}));

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
