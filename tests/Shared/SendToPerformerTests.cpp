#include "nimbra/SendToPerformer.h"

#include <gtest/gtest.h>

#include "FileTesting.h"
#include "RecordingFileOperations.h"
#include "nimbra/platform/FileOperations.h"
#include "nimbra/platform/Failure.h"

namespace nimbra::SendToPerformer {
namespace {

namespace fs = std::filesystem;
using namespace testing;
using Paths = std::vector<fs::path>;

class SendToPerformerTest : public ::testing::Test {
 protected:
  SendToPerformerTest() {
    fs::create_directory(src);
    fs::create_directory(dest);
  }
  Paths send(const Paths& items, bool move = false) { return perform(items, dest, move, files); }

  platform::FileOperations& files = *platform::systemFileOperations();
  TemporaryFolder tmp;
  fs::path src = tmp / "src";
  fs::path dest = tmp / "dest";
};

TEST_F(SendToPerformerTest, ATakenNameGetsTheNextFreeNumberAndNothingIsReplaced) {
  writeText(src / "report.pdf", "new");
  writeText(dest / "report.pdf", "old");
  EXPECT_EQ(send({src / "report.pdf"}), Paths{dest / "report 2.pdf"});
  EXPECT_EQ(readText(dest / "report.pdf"), "old");
  EXPECT_EQ(readText(dest / "report 2.pdf"), "new");
  writeText(src / ".env", "x");
  EXPECT_EQ(send({src / ".env", src / ".env"}), (Paths{dest / ".env", dest / ".env 2"}));
  // The doubled extension rule: "data.CSV.csv" is numbered from "data".
  writeText(src / "data.CSV.csv", "x");
  EXPECT_EQ(send({src / "data.CSV.csv"}), Paths{dest / "data.csv"});
}

TEST_F(SendToPerformerTest, PlainFoldersAreNamedWholeAndPackagesAndLinksLikeFiles) {
  fs::create_directories(src / "Build 1.2" / "bin");
  writeText(src / "Build 1.2" / "bin" / "tool", "t");
  fs::create_directories(src / "Tool.app" / "Contents");
  fs::create_directory_symlink(src / "Build 1.2", src / "Shortcut.v2");
  for (const auto* taken : {"Build 1.2", "Tool.app", "Shortcut.v2"}) fs::create_directory(dest / taken);

  EXPECT_EQ(send({src / "Build 1.2", src / "Tool.app/", src / "Shortcut.v2"}),
            (Paths{dest / "Build 1.2 2", dest / "Tool 2.app", dest / "Shortcut 2.v2"}));
  EXPECT_EQ(readText(dest / "Build 1.2 2" / "bin" / "tool"), "t");
  EXPECT_TRUE(fs::is_directory(dest / "Tool 2.app" / "Contents"));
  EXPECT_TRUE(fs::is_symlink(dest / "Shortcut 2.v2"));
}

TEST_F(SendToPerformerTest, MovingTakesItemsAwayAndAnItemAlreadyThereStays) {
  writeText(src / "a.txt", "a");
  fs::create_directory(src / "Folder");
  writeText(dest / "a.txt", "old");
  EXPECT_EQ(send({src / "a.txt", src / "Folder"}, /*move=*/true), (Paths{dest / "a 2.txt", dest / "Folder"}));
  EXPECT_FALSE(fs::exists(src / "a.txt"));
  EXPECT_FALSE(fs::exists(src / "Folder"));
  EXPECT_EQ(readText(dest / "a.txt"), "old");

  // Moved into its own folder an item stays as it is, under its own location.
  const auto spelledDifferently = src / ".." / "dest" / "a.txt";
  EXPECT_EQ(send({spelledDifferently}, /*move=*/true), Paths{spelledDifferently});
  EXPECT_EQ(readText(dest / "a.txt"), "old");
  EXPECT_FALSE(fs::exists(dest / "a 3.txt"));
  // Copied there, it gets a numbered copy beside it.
  EXPECT_EQ(send({dest / "a.txt"}), Paths{dest / "a 3.txt"});
  EXPECT_EQ(readText(dest / "a 3.txt"), "old");
}

TEST_F(SendToPerformerTest, ADestinationInsideAnItemIsRefusedBeforeAnyWorkSeenThroughLinks) {
  const auto photos = tmp / "a" / "Photos";
  fs::create_directories(photos / "Sub");
  fs::create_directory(tmp / "a" / "Photos 2");
  fs::create_directory_symlink(photos / "Sub", tmp / "way in");
  fs::create_directory_symlink(photos, tmp / "Photos link");
  writeText(src / "first.txt", "1");
  RecordingFileOperations recording(files);
  const std::pair<fs::path, fs::path> cases[] = {
      {photos, photos / "Sub"}, {photos, photos}, {photos, photos / "Sub" / "not yet"},
      {photos, tmp / "way in"}, {tmp / "Photos link/", photos / "Sub"}, {"/", dest},
  };
  for (const auto& [item, destination] : cases) {
    try {
      perform({src / "first.txt", item}, destination, false, recording);
      ADD_FAILURE() << destination;
    } catch (const IntoItself& e) {
      EXPECT_EQ(e.item, item);  // reported as it was passed in
    }
  }
  EXPECT_TRUE(recording.operations.empty());  // not even the first item was copied
  // A sibling that merely starts with the same name is fine.
  EXPECT_EQ(perform({photos}, tmp / "a" / "Photos 2", false, files), Paths{tmp / "a" / "Photos 2" / "Photos"});
}

TEST_F(SendToPerformerTest, TheFirstFailureStopsTheRestAndKeepsWhatIsDone) {
  writeText(src / "one.txt", "1");
  writeText(src / "three.txt", "3");
  // The second item vanished between the selection and the copy.
  try {
    send({src / "one.txt", src / "two.txt", src / "three.txt"});
    ADD_FAILURE() << "expected the file system's error";
  } catch (const platform::Failure& e) {
    EXPECT_EQ(e.code().value(), ENOENT);
    EXPECT_EQ(e.path(), src / "two.txt");
  }
  EXPECT_EQ(readText(dest / "one.txt"), "1");
  EXPECT_FALSE(fs::exists(dest / "three.txt"));
}

TEST_F(SendToPerformerTest, ATransferTellsEachItemFirstAndStopsBetweenItemsOnCancelOrAtTheFirstFailure) {
  for (const auto* name : {"one.txt", "two.txt", "three.txt"}) writeText(src / name, name);
  const Paths items = {src / "one.txt", src / "two.txt", src / "three.txt"};
  std::stop_source cancel;
  std::vector<std::size_t> told;
  // Cancelled while the second item is under way: it is finished, the third not begun.
  auto outcome = transfer(items, dest, false, files, cancel.get_token(), [&](std::size_t index, const fs::path& item) {
    EXPECT_EQ(item, items[index]);
    told.push_back(index);
    if (index == 1) cancel.request_stop();
  });
  EXPECT_EQ(told, (std::vector<std::size_t>{0, 1}));
  EXPECT_EQ(outcome.done, (Paths{dest / "one.txt", dest / "two.txt"}));
  EXPECT_TRUE(outcome.cancelled);
  EXPECT_FALSE(outcome.error);
  EXPECT_FALSE(fs::exists(dest / "three.txt"));

  // The first failure ends it with what was done kept.
  fs::remove(src / "two.txt");
  outcome = transfer(items, dest, true, files, {}, {});
  EXPECT_EQ(outcome.done, Paths{dest / "one 2.txt"});
  ASSERT_TRUE(outcome.error);
  EXPECT_EQ(std::get<platform::Failure>(*outcome.error).path(), src / "two.txt");
  EXPECT_TRUE(fs::exists(src / "three.txt"));

  // Into itself: nothing at all, not even what lies before the item.
  outcome = transfer({src / "three.txt", tmp.path()}, dest, true, files, {}, {});
  EXPECT_TRUE(outcome.done.empty());
  ASSERT_TRUE(outcome.error);
  EXPECT_EQ(std::get<IntoItself>(*outcome.error).item, tmp.path());
  EXPECT_TRUE(fs::exists(src / "three.txt"));
}

}  // namespace
}  // namespace nimbra::SendToPerformer
