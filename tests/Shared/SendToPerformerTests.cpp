#include "nimbra/SendToPerformer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

#include "FileTesting.h"
#include "RecordingFileOperations.h"
#include "nimbra/platform/FileOperations.h"

namespace fs = std::filesystem;
using nimbra::SendToPerformer::IntoItself;
using nimbra::SendToPerformer::perform;
using nimbra::testing::otherFileSystem;
using nimbra::testing::readText;
using nimbra::testing::RecordingFileOperations;
using nimbra::testing::TemporaryFolder;
using nimbra::testing::writeText;

namespace {

ino_t inodeOf(const fs::path& path) {
  struct stat st {};
  EXPECT_EQ(::lstat(path.c_str(), &st), 0);
  return st.st_ino;
}

class SendToPerformerTest : public ::testing::Test {
 protected:
  SendToPerformerTest() {
    fs::create_directory(tmp / "src");
    fs::create_directory(tmp / "dest");
  }
  std::vector<fs::path> send(std::vector<fs::path> items, bool move = false) {
    return perform(items, dest, move, files);
  }

  nimbra::platform::FileOperations& files = *nimbra::platform::systemFileOperations();
  TemporaryFolder tmp;
  fs::path src = tmp / "src";
  fs::path dest = tmp / "dest";
};

TEST_F(SendToPerformerTest, FilesGetTheNextFreeNumberBeforeTheirExtension) {
  writeText(src / "report.pdf", "new");
  writeText(dest / "report.pdf", "old");
  EXPECT_EQ(send({src / "report.pdf"}), std::vector<fs::path>{dest / "report 2.pdf"});
  EXPECT_EQ(send({src / "report.pdf"}), std::vector<fs::path>{dest / "report 3.pdf"});
  EXPECT_EQ(readText(dest / "report.pdf"), "old");
  EXPECT_EQ(readText(dest / "report 3.pdf"), "new");

  writeText(src / ".env", "x");
  EXPECT_EQ(send({src / ".env"}), std::vector<fs::path>{dest / ".env"});
  EXPECT_EQ(send({src / ".env"}), std::vector<fs::path>{dest / ".env 2"});

  // The doubled extension rule: "data.CSV.csv" is numbered from "data".
  writeText(src / "data.CSV.csv", "x");
  EXPECT_EQ(send({src / "data.CSV.csv"}), std::vector<fs::path>{dest / "data.csv"});
}

TEST_F(SendToPerformerTest, PlainFoldersAreNamedWholeAndPackagesLikeFiles) {
  fs::create_directories(src / "Build 1.2" / "bin");
  writeText(src / "Build 1.2" / "bin" / "tool", "t");
  fs::create_directory(dest / "Build 1.2");
  fs::create_directories(src / "Tool.app" / "Contents");
  fs::create_directory(dest / "Tool.app");

  const auto result = send({src / "Build 1.2", src / "Tool.app/"});
  EXPECT_EQ(result, (std::vector<fs::path>{dest / "Build 1.2 2", dest / "Tool 2.app"}));
  EXPECT_EQ(readText(dest / "Build 1.2 2" / "bin" / "tool"), "t");
  EXPECT_TRUE(fs::is_directory(dest / "Tool 2.app" / "Contents"));
}

TEST_F(SendToPerformerTest, ALinkToAFolderTravelsAsALinkNamedLikeAFile) {
  fs::create_directory(src / "Photos.v2");
  fs::create_directory_symlink(src / "Photos.v2", src / "Shortcut.v2");
  fs::create_symlink("x", dest / "Shortcut.v2");
  EXPECT_EQ(send({src / "Shortcut.v2"}), std::vector<fs::path>{dest / "Shortcut 2.v2"});
  EXPECT_TRUE(fs::is_symlink(dest / "Shortcut 2.v2"));
}

TEST_F(SendToPerformerTest, SendingIntoTheItemsOwnFolder) {
  writeText(src / "a.txt", "a");
  const auto inode = inodeOf(src / "a.txt");
  EXPECT_EQ(perform({src / "a.txt"}, src, false, files), std::vector<fs::path>{src / "a 2.txt"});
  EXPECT_EQ(readText(src / "a 2.txt"), "a");

  // A move there is already done: the item stays as it is, under its own location.
  const auto spelledDifferently = tmp / "dest" / ".." / "src" / "a.txt";
  EXPECT_EQ(perform({spelledDifferently}, src, true, files), std::vector<fs::path>{spelledDifferently});
  EXPECT_EQ(inodeOf(src / "a.txt"), inode);
  EXPECT_FALSE(fs::exists(src / "a 3.txt"));
}

TEST_F(SendToPerformerTest, MovingTakesItemsAwayAndReportsWhereTheyAre) {
  writeText(src / "a.txt", "a");
  fs::create_directory(src / "Folder");
  writeText(dest / "a.txt", "old");
  const auto result = send({src / "a.txt", src / "Folder"}, /*move=*/true);
  EXPECT_EQ(result, (std::vector<fs::path>{dest / "a 2.txt", dest / "Folder"}));
  EXPECT_FALSE(fs::exists(src / "a.txt"));
  EXPECT_FALSE(fs::exists(src / "Folder"));
  EXPECT_EQ(readText(dest / "a.txt"), "old");
}

TEST_F(SendToPerformerTest, MovingToAnotherFileSystem) {
  const auto other = otherFileSystem();
  if (!other) GTEST_SKIP() << "no second file system";
  TemporaryFolder there(*other);
  fs::create_directories(src / "Project" / "src");
  writeText(src / "Project" / "src" / "main.c", "int main;");
  fs::create_directory(there / "Project");
  EXPECT_EQ(perform({src / "Project"}, there.path(), true, files), std::vector<fs::path>{there / "Project 2"});
  EXPECT_EQ(readText(there / "Project 2" / "src" / "main.c"), "int main;");
  EXPECT_FALSE(fs::exists(src / "Project"));
}

TEST_F(SendToPerformerTest, DestinationInsideAnItemIsRefusedBeforeAnyWork) {
  fs::create_directories(tmp / "a" / "Photos" / "Sub");
  fs::create_directory(tmp / "a" / "Photos 2");
  writeText(src / "first.txt", "1");
  const auto photos = tmp / "a" / "Photos";
  RecordingFileOperations recording(files);

  for (const auto& destination : {photos / "Sub", photos, photos / "Sub" / "not yet"}) {
    try {
      perform({src / "first.txt", photos}, destination, false, recording);
      FAIL() << destination;
    } catch (const IntoItself& e) {
      EXPECT_EQ(e.item, photos);
    }
  }
  EXPECT_TRUE(recording.calls.empty());  // not even the first item was copied

  // A sibling that merely starts with the same name is fine.
  EXPECT_EQ(perform({photos}, tmp / "a" / "Photos 2", false, files),
            std::vector<fs::path>{tmp / "a" / "Photos 2" / "Photos"});
}

TEST_F(SendToPerformerTest, IntoItselfSeesThroughSymbolicLinksOnBothSides) {
  fs::create_directories(tmp / "a" / "Photos" / "Sub");
  fs::create_directory_symlink(tmp / "a" / "Photos" / "Sub", tmp / "way in");
  fs::create_directory_symlink(tmp / "a" / "Photos", tmp / "Photos link");
  EXPECT_THROW(perform({tmp / "a" / "Photos"}, tmp / "way in", false, files), IntoItself);
  try {
    perform({tmp / "Photos link/"}, tmp / "a" / "Photos" / "Sub", false, files);
    FAIL();
  } catch (const IntoItself& e) {
    EXPECT_EQ(e.item, tmp / "Photos link/");  // reported as it was passed in
  }
  EXPECT_THROW(perform({"/"}, dest, false, files), IntoItself);
}

TEST_F(SendToPerformerTest, TheFirstFailureStopsTheRestAndKeepsWhatIsDone) {
  writeText(src / "one.txt", "1");
  writeText(src / "three.txt", "3");
  // The second item vanished between the selection and the copy.
  try {
    send({src / "one.txt", src / "two.txt", src / "three.txt"});
    FAIL() << "expected the file system's error";
  } catch (const fs::filesystem_error& e) {
    EXPECT_EQ(e.code().value(), ENOENT);
    EXPECT_EQ(e.path1(), src / "two.txt");
  }
  EXPECT_EQ(readText(dest / "one.txt"), "1");
  EXPECT_FALSE(fs::exists(dest / "two.txt"));
  EXPECT_FALSE(fs::exists(dest / "three.txt"));
}

TEST_F(SendToPerformerTest, NoItemsDoNothing) {
  RecordingFileOperations recording(files);
  EXPECT_TRUE(perform({}, tmp / "missing", true, recording).empty());
  EXPECT_TRUE(recording.calls.empty());
}

// Several processes send a file of the same name into one folder at once. Each one
// either gets a name of its own or fails because the platform refuses to overwrite;
// every copy that was made holds the bytes of the process that made it.
TEST_F(SendToPerformerTest, ConcurrentSendsNeverReplaceEachOther) {
  constexpr int kProcesses = 6;
  constexpr int kRounds = 20;
  std::vector<pid_t> children;
  std::vector<int> pipes;
  for (int p = 0; p < kProcesses; ++p) {
    const auto folder = tmp / ("from" + std::to_string(p));
    fs::create_directory(folder);
    writeText(folder / "same.txt", "process " + std::to_string(p));
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(fds[0]);
      std::string report;
      for (int round = 0; round < kRounds; ++round) {
        try {
          const auto made = perform({folder / "same.txt"}, dest, false, *nimbra::platform::systemFileOperations());
          report += made.front().filename().string() + "\n";
        } catch (const fs::filesystem_error& e) {
          if (e.code().value() != EEXIST) report += "unexpected error\n";
        }
      }
      (void)!::write(fds[1], report.data(), report.size());
      _exit(0);
    }
    ::close(fds[1]);
    children.push_back(child);
    pipes.push_back(fds[0]);
  }
  std::set<std::string> allNames;
  std::size_t made = 0;
  for (int p = 0; p < kProcesses; ++p) {
    std::string report;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipes[p], buffer, sizeof buffer)) > 0;) report.append(buffer, static_cast<std::size_t>(n));
    ::close(pipes[p]);
    int status = 0;
    ::waitpid(children[p], &status, 0);
    EXPECT_EQ(report.find("unexpected"), std::string::npos);
    for (std::size_t start = 0, end; (end = report.find('\n', start)) != std::string::npos; start = end + 1) {
      const auto name = report.substr(start, end - start);
      EXPECT_TRUE(allNames.insert(name).second) << name << " reported twice";
      EXPECT_EQ(readText(dest / name), "process " + std::to_string(p)) << name;
      ++made;
    }
  }
  EXPECT_EQ(static_cast<std::size_t>(std::distance(fs::directory_iterator(dest), fs::directory_iterator())), made);
  EXPECT_GT(made, 0u);
}

}  // namespace
