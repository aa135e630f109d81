// The transfer picker's work on a disk that fills up: a real small file system, the
// real file operations. What fits is done, the item that did not fit is not left
// half-copied under its name, and a move keeps every source it did not finish.

#include <gtest/gtest.h>

#include <stop_token>

#include "FileTesting.h"
#include "SmallFileSystem.h"
#include "nimbra/SendToPerformer.h"
#include "nimbra/platform/FileOperations.h"

namespace nimbra::testing {
namespace {

namespace fs = std::filesystem;

class FullDiskTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (!disk_.mounted()) GTEST_SKIP() << disk_.why();
    // Two folders: the first fits in the space left, the second does not.
    for (const auto* name : {"photos", "videos"}) fs::create_directory(source_ / name);
    writeText(source_ / "photos/a.jpg", randomText(40 * 1024, 1));
    writeText(source_ / "videos/clip.txt", "small");
    writeText(source_ / "videos/clip.mp4", randomText(200 * 1024, 2));
    fs::create_directory(disk_ / "into");
    disk_.fill(120 * 1024);
  }

  const TemporaryFolder source_;
  const SmallFileSystem disk_{512 * 1024};
};

TEST_P(FullDiskTest, WhatFitsIsDoneAndTheItemThatDidNotIsNeitherHalfMadeNorLost) {
  const bool move = GetParam();
  const auto files = platform::systemFileOperations();
  const auto video = readText(source_ / "videos/clip.mp4");
  const auto outcome = SendToPerformer::transfer({source_ / "photos", source_ / "videos"}, disk_ / "into", move,
                                                 *files, std::stop_token(), [](std::size_t, const fs::path&) {});
  ASSERT_TRUE(outcome.error.has_value());
  const auto* failure = std::get_if<platform::Failure>(&*outcome.error);
  ASSERT_NE(failure, nullptr);
  EXPECT_EQ(failure->code().value(), ENOSPC);
  EXPECT_EQ(outcome.done, std::vector<fs::path>{disk_ / "into/photos"});
  EXPECT_EQ(namesIn(disk_ / "into"), std::vector<std::string>{"photos"});
  EXPECT_EQ(namesIn(source_.path()).front(), move ? "videos" : "photos");
  EXPECT_EQ(readText(source_ / "videos/clip.mp4"), video);
  EXPECT_EQ(readText(source_ / "videos/clip.txt"), "small");
}

INSTANTIATE_TEST_SUITE_P(CopyAndMove, FullDiskTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "move" : "copy"; });

}  // namespace
}  // namespace nimbra::testing
