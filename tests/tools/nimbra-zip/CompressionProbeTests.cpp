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
  static const std::string kSample =
      "The quick brown fox jumps over the lazy dog; pack my box with five dozen liquor jugs.\n"
      "Sphinx of black quartz, judge my vow. How vexingly quick daft zebras jump!\n";
  std::mt19937 engine(11);
  Bytes bytes;
  while (bytes.size() < size) {
    const auto& word = kSample.substr(engine() % kSample.size(), 1 + engine() % 12);
    for (const char c : word) bytes.push_back(static_cast<std::byte>(c));
  }
  bytes.resize(size);
  return bytes;
}

Bytes deflated(const Bytes& input) {
  uLongf length = compressBound(static_cast<uLong>(input.size()));
  Bytes output(length);
  EXPECT_EQ(compress2(reinterpret_cast<Bytef*>(output.data()), &length,
                      reinterpret_cast<const Bytef*>(input.data()), static_cast<uLong>(input.size()), 9),
            Z_OK);
  output.resize(length);
  return output;
}

std::span<const std::byte> block(const Bytes& bytes, std::size_t offset = 0, std::size_t length = kProbeBlock) {
  return std::span<const std::byte>(bytes).subspan(offset, length);
}

TEST(CompressionProbe, RandomAndAlreadyCompressedDataLookIncompressible) {
  EXPECT_TRUE(looksIncompressible(block(randomBytes(kProbeBlock, 1))));
  EXPECT_TRUE(looksIncompressible(block(randomBytes(kProbeMinimumSize, 2), 0, kProbeMinimumSize)));
  const auto compressed = deflated(text(1 << 20));
  ASSERT_GT(compressed.size(), 3 * kProbeBlock);
  EXPECT_TRUE(looksIncompressible(block(compressed, kProbeBlock)));
}

TEST(CompressionProbe, DataDeflateCanShrinkLooksCompressible) {
  EXPECT_FALSE(looksIncompressible(block(text(kProbeBlock))));
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

struct ProbedFile {
  Bytes content;
  std::vector<std::pair<std::uint64_t, std::size_t>> reads{};

  Compression choose() {
    return chooseCompression(content.size(), [this](std::uint64_t offset, std::size_t length) {
      reads.emplace_back(offset, length);
      return block(content, offset, length);
    });
  }
};

TEST(CompressionProbe, StoresOnlyWhenEverySampledBlockIsIncompressible) {
  ProbedFile empty;
  EXPECT_EQ(empty.choose(), Compression::store);

  ProbedFile tiny{randomBytes(kProbeMinimumSize - 1, 4)};
  EXPECT_EQ(tiny.choose(), Compression::deflate);
  EXPECT_TRUE(tiny.reads.empty());

  ProbedFile noise{randomBytes(5 * 1024 * 1024 + 7, 5)};
  EXPECT_EQ(noise.choose(), Compression::store);
  ASSERT_EQ(noise.reads.size(), 8u);
  EXPECT_EQ(noise.reads.front().first, 0u);
  EXPECT_EQ(noise.reads.back().first + noise.reads.back().second, noise.content.size());

  // Compressed payload with a plain index at the end, the shape of zip and pdf files.
  ProbedFile indexed{randomBytes(300 * 1024, 6)};
  const auto index = text(kProbeBlock);
  indexed.content.insert(indexed.content.end(), index.begin(), index.end());
  EXPECT_EQ(indexed.choose(), Compression::deflate);

  ProbedFile small{randomBytes(kProbeBlock / 2, 7)};
  EXPECT_EQ(small.choose(), Compression::store);
  EXPECT_EQ(small.reads, (std::vector<std::pair<std::uint64_t, std::size_t>>{{0, kProbeBlock / 2}}));
}

}  // namespace
}  // namespace nimbra::ziptool
