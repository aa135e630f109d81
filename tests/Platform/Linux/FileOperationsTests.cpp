// The never-overwrite primitive on real file systems: every way a name can already be
// taken, every way a copy or move can fail half-way, and what is left afterwards.

#include "nimbra/platform/FileOperations.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <set>
#include <thread>
#include <vector>

#include "FileTesting.h"
#include "nimbra/platform/Failure.h"

namespace nimbra::platform {
namespace {

namespace fs = std::filesystem;
using namespace testing;
using namespace std::chrono_literals;

std::span<const std::byte> bytes(const std::string& text) { return std::as_bytes(std::span(text.data(), text.size())); }

int errorOf(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const std::system_error& e) {
    return e.code().value();
  }
  return 0;
}

struct stat lstatOf(const fs::path& path) {
  struct stat st {};
  EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
  return st;
}

mode_t modeOf(const fs::path& path) { return lstatOf(path).st_mode & 07777; }
std::ptrdiff_t entriesIn(const fs::path& folder) { return std::distance(fs::directory_iterator(folder), {}); }

// A tree with every kind of entry the copy must keep.
void makeSampleTree(const fs::path& root) {
  fs::create_directories(root / "docs" / "empty");
  fs::create_directories(root / "locked");
  writeText(root / "readme.txt", "hello");
  writeText(root / "docs" / "big.bin", randomText(3 * 1024 * 1024 + 17, 1));
  writeText(root / "docs" / "empty.txt", "");
  writeText(root / "tool.sh", "#!/bin/sh\n");
  ::chmod((root / "tool.sh").c_str(), 0751);
  writeText(root / "locked" / "inside.txt", "kept");
  fs::create_symlink("docs/big.bin", root / "relative-link");
  fs::create_symlink("/nonexistent/target", root / "dangling-link");
  ::mkfifo((root / "pipe").c_str(), 0640);
  setModificationTime(root / "readme.txt", 1'000'000'000, 123'456'789);
  setModificationTime(root / "relative-link", 1'100'000'000);
  ::chmod((root / "locked").c_str(), 0555);
  setModificationTime(root / "docs", 1'200'000'000, 5);
}

// Every entry under `root` with its type, permissions, modification time and content
// or link target: a faithful copy describes alike.
std::set<std::string> describe(const fs::path& root) {
  std::set<std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const auto st = lstatOf(entry.path());
    const auto what = S_ISLNK(st.st_mode) ? fs::read_symlink(entry.path()).string()
                      : S_ISREG(st.st_mode) ? std::to_string(std::hash<std::string>()(readText(entry.path())))
                                            : "";
    entries.insert(fs::relative(entry.path(), root).string() + " " + std::to_string(st.st_mode) + " " +
                   std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec) + " " + what);
  }
  return entries;
}

class FileOperationsTest : public ::testing::Test {
 protected:
  FileOperations& files = *systemFileOperations();
  TemporaryFolder tmp;
};

TEST_F(FileOperationsTest, QueriesLookAtTheNameItselfNotWhereALinkPoints) {
  fs::create_directory(tmp / "Photos");
  fs::create_directory(tmp / "Tool.app");
  writeText(tmp / "Notes.app", "");
  fs::create_directory_symlink(tmp / "Photos", tmp / "link to Photos");
  fs::create_symlink(tmp / "missing", tmp / "dangling");

  EXPECT_TRUE(files.exists(tmp / "dangling"));  // it occupies its name
  EXPECT_FALSE(files.exists(tmp / "missing"));
  EXPECT_FALSE(files.exists(tmp / "Notes.app" / "x"));  // ENOTDIR counts as no
  EXPECT_TRUE(files.isDirectory(tmp / "Photos/"));
  EXPECT_FALSE(files.isDirectory(tmp / "link to Photos/"));
  EXPECT_TRUE(files.isPackage(tmp / "Tool.app"));
  EXPECT_FALSE(files.isPackage(tmp / "Notes.app"));  // a file is no package
  EXPECT_FALSE(files.isPackage(tmp / "Photos"));
}

TEST_F(FileOperationsTest, CanonicalPathResolvesLinksAndKeepsTheMissingRest) {
  fs::create_directories(tmp / "real" / "sub");
  fs::create_directory_symlink(tmp / "real", tmp / "link");
  const auto real = fs::canonical(tmp / "real");
  EXPECT_EQ(files.canonicalPath(tmp / "link" / "sub" / ".." / "." / "sub/"), real / "sub");
  EXPECT_EQ(files.canonicalPath(tmp / "link" / "not" / "yet"), real / "not" / "yet");
  EXPECT_EQ(files.canonicalPath("/"), fs::path("/"));
  const auto previous = fs::current_path();
  fs::current_path(tmp / "link");
  EXPECT_EQ(files.canonicalPath("sub"), real / "sub");
  fs::current_path(previous);
}

TEST_F(FileOperationsTest, WhateverIsInTheWayFailsTheOperationAndNothingChanges) {
  files.createFile(tmp / "a.txt", bytes("first"));
  files.createDirectory(tmp / "folder");
  files.createDirectory(tmp / "folder" / "sub");
  files.createSymbolicLink(tmp / "alias", tmp / "a.txt");
  fs::create_symlink(tmp / "target.txt", tmp / "dangling");
  writeText(tmp / "folder" / "mine.txt", "mine");
  EXPECT_EQ(readText(tmp / "alias"), "first");
  const std::string longName(300, 'n');
  const std::pair<std::function<void()>, int> refusals[] = {
      {[&] { files.createFile(tmp / "a.txt", bytes("second")); }, EEXIST},
      {[&] { files.createFile(tmp / "dangling", bytes("x")); }, EEXIST},  // not followed to create its target
      {[&] { files.createDirectory(tmp / "a.txt"); }, EEXIST},
      {[&] { files.createSymbolicLink(tmp / "folder", tmp / "a.txt"); }, EEXIST},
      {[&] { files.copyItem(tmp / "folder" / "sub", tmp / "folder"); }, EEXIST},
      {[&] { files.copyItem(tmp / "folder" / "mine.txt", tmp / "a.txt"); }, EEXIST},
      {[&] { files.copyItem(tmp / "gone", tmp / "new"); }, ENOENT},
      {[&] { files.copyItem(tmp / "folder", tmp / "folder" / "sub" / "folder"); }, EINVAL},
      {[&] { files.moveItem(tmp / "alias", tmp / "a.txt"); }, EEXIST},
      {[&] { files.moveItem(tmp / "a.txt", tmp / "dangling"); }, EEXIST},
      {[&] { files.moveItem(tmp / "folder", tmp / "folder" / "sub" / "folder"); }, EINVAL},
      // An overlong name is the file system's error, never shortened.
      {[&] { files.createFile(tmp / longName, bytes("x")); }, ENAMETOOLONG},
      {[&] { files.createDirectory(tmp / longName); }, ENAMETOOLONG},
      {[&] { files.setPermissions(tmp / "gone", fs::perms(0755)); }, ENOENT},
  };
  const auto before = describe(tmp.path());
  for (std::size_t i = 0; i < std::size(refusals); ++i) EXPECT_EQ(errorOf(refusals[i].first), refusals[i].second) << i;
  EXPECT_EQ(describe(tmp.path()), before);
  // A sibling whose name merely starts the same is fine.
  files.copyItem(tmp / "folder", tmp / "folder 2");
  EXPECT_EQ(readText(tmp / "folder 2" / "mine.txt"), "mine");
  try {
    files.createDirectory(tmp / "missing" / "child");
    ADD_FAILURE() << "expected an error";
  } catch (const platform::Failure& e) {
    EXPECT_EQ(e.path(), tmp / "missing" / "child");  // errors carry the path involved
  }
}

TEST_F(FileOperationsTest, CreatedFilesFollowTheUmaskAndPermissionsAreSetExactlyNeverThroughALink) {
  const mode_t previous = ::umask(027);
  files.createFile(tmp / "f", bytes(""));
  files.createDirectory(tmp / "d");
  ::umask(previous);
  EXPECT_EQ(modeOf(tmp / "f"), 0640u);
  EXPECT_EQ(modeOf(tmp / "d"), 0750u);
  files.setPermissions(tmp / "f", fs::perms(0755));
  EXPECT_EQ(modeOf(tmp / "f"), 0755u);
  fs::create_symlink(tmp / "d", tmp / "link");
  EXPECT_NE(errorOf([&] { files.setPermissions(tmp / "link", fs::perms(0777)); }), 0);
  EXPECT_EQ(modeOf(tmp / "d"), 0750u);
}

TEST_F(FileOperationsTest, CopyKeepsEveryKindOfEntryWithPermissionsAndTimes) {
  makeSampleTree(tmp / "source");
  const auto source = describe(tmp / "source");
  ASSERT_EQ(source.size(), 11u);
  files.copyItem(tmp / "source", tmp / "copy");
  EXPECT_EQ(describe(tmp / "copy"), source);
  EXPECT_EQ(describe(tmp / "source"), source);
  // A single link is copied as a link, never as what it points to.
  files.copyItem(tmp / "source" / "relative-link", tmp / "link copy");
  EXPECT_TRUE(fs::is_symlink(tmp / "link copy"));
}

// Another process takes names inside a folder while it is being copied: whatever
// the other one created stays exactly as it wrote it.
TEST_F(FileOperationsTest, NamesTakenInsideACopyMeanwhileAreNeverReplaced) {
  constexpr int kFiles = 300;
  fs::create_directory(tmp / "source");
  for (int i = 0; i < kFiles; ++i) writeText(tmp / "source" / ("f" + std::to_string(i)), randomText(16 * 1024, 3));
  const auto copy = tmp / "copy";
  std::vector<fs::path> theirs;
  std::thread other([&] {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!fs::exists(copy) && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
    for (int i = kFiles - 1; i >= 0; --i) {
      const auto name = copy / ("f" + std::to_string(i));
      const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
      if (fd < 0) continue;
      (void)!::write(fd, "theirs", 6);
      ::close(fd);
      theirs.push_back(name);
    }
  });
  const int error = errorOf([&] { files.copyItem(tmp / "source", copy); });
  other.join();

  EXPECT_EQ(error, theirs.empty() ? 0 : EEXIST);
  for (const auto& name : theirs) EXPECT_EQ(readText(name), "theirs") << name;
  // A failed copy takes back only its own files.
  EXPECT_EQ(entriesIn(copy), error == EEXIST ? std::ssize(theirs) : kFiles);
}

TEST_F(FileOperationsTest, ManyThreadsCreatingOneNameGetOneWinnerAndNoReplacement) {
  std::atomic<int> winners{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([&, t] {
      const auto text = "thread " + std::to_string(t);
      const int error = errorOf([&] { systemFileOperations()->createFile(tmp / "same.txt", bytes(text)); });
      if (error == 0) {
        ++winners;
        // Nobody after the winner may replace its bytes.
        std::this_thread::sleep_for(5ms);
        EXPECT_EQ(readText(tmp / "same.txt"), text);
      } else {
        EXPECT_EQ(error, EEXIST);
      }
    });
  }
  for (auto& t : threads) t.join();
  EXPECT_EQ(winners, 1);
}

class CrossFileSystemMoveTest : public FileOperationsTest {
 protected:
  void SetUp() override {
    const auto other = otherFileSystem();
    if (!other) GTEST_SKIP() << "no second file system";
    there_.emplace(*other);
  }
  const TemporaryFolder& there() const { return *there_; }
  std::optional<TemporaryFolder> there_;
};

TEST_F(CrossFileSystemMoveTest, CopiesChecksThenRemovesTheSourceAndNeverReplaces) {
  makeSampleTree(tmp / "source");
  // The copy keeps the read-only folder read-only; the source must still go.
  const auto source = describe(tmp / "source");
  files.moveItem(tmp / "source", there() / "moved");
  EXPECT_FALSE(fs::exists(tmp / "source"));
  EXPECT_EQ(describe(there() / "moved"), source);
  // A taken name keeps both: the source and what was there.
  makeSampleTree(tmp / "again");
  const auto again = describe(tmp / "again");
  EXPECT_EQ(errorOf([&] { files.moveItem(tmp / "again", there() / "moved"); }), EEXIST);
  EXPECT_EQ(describe(tmp / "again"), again);
  EXPECT_EQ(describe(there() / "moved"), source);
}

// A file that grows while it is moved: the copy is shorter than the source, so the
// move fails and keeps the source with every byte.
TEST_F(CrossFileSystemMoveTest, KeepsTheSourceWhenTheCopyComesOutIncomplete) {
  const auto source = tmp / "growing.log";
  writeText(source, randomText(32 * 1024 * 1024, 5));
  std::atomic<bool> done{false};
  std::atomic<int> appended{0};
  std::thread writer([&] {
    const int fd = ::open(source.c_str(), O_WRONLY | O_APPEND);
    while (fd >= 0 && !done) {
      if (::write(fd, "+", 1) == 1) ++appended;
      std::this_thread::sleep_for(50us);
    }
    ::close(fd);
  });
  for (int i = 0; i < 1000 && appended < 3; ++i) std::this_thread::sleep_for(1ms);
  ASSERT_GE(appended, 3);
  const int error = errorOf([&] { files.moveItem(source, there() / "growing.log"); });
  done = true;
  writer.join();

  EXPECT_EQ(error, EIO);
  EXPECT_FALSE(fs::exists(there() / "growing.log"));
  EXPECT_EQ(fs::file_size(source), 32u * 1024 * 1024 + static_cast<unsigned>(appended.load()));
}

TEST_F(FileOperationsTest, ReadOnlyFileSystemsFailWithTheirErrorBeforeAnythingIsCopied) {
  fs::create_directories(tmp / "ro" / "item");
  writeText(tmp / "ro" / "item" / "x.txt", "x");
  fs::create_directory(tmp / "out");
  writeText(tmp / "file.txt", "x");
  const auto readOnly = tmp / "ro";
  const auto status = runWithPrivateMounts([&] {
    if (!makeReadOnly(readOnly)) return 125;
    // The bind mount is a file system of its own, so moving out of it has to copy.
    const int errors[] = {errorOf([&] { files.moveItem(readOnly / "item", tmp / "out" / "item"); }),
                          errorOf([&] { files.moveItem(tmp / "file.txt", readOnly / "file.txt"); }),
                          errorOf([&] { files.makeScratchFolder(readOnly); })};
    return std::ranges::count(errors, EROFS) == 3 ? 0 : 1;
  });
  if (!status) GTEST_SKIP() << "no read-only mounts here";
  EXPECT_EQ(*status, 0);
  EXPECT_TRUE(fs::is_empty(tmp / "out"));
  EXPECT_EQ(readText(tmp / "ro" / "item" / "x.txt"), "x");
  EXPECT_EQ(readText(tmp / "file.txt"), "x");
  EXPECT_EQ(entriesIn(tmp / "ro"), 1);
}

TEST_F(FileOperationsTest, RemoveTakesTheTreeButNeverFollowsLinks) {
  fs::create_directory(tmp / "outside");
  writeText(tmp / "outside" / "keep.txt", "keep");
  makeSampleTree(tmp / "tree");
  fs::create_directory_symlink(tmp / "outside", tmp / "tree" / "link to outside");
  files.removeItem(tmp / "tree");
  EXPECT_FALSE(fs::exists(tmp / "tree"));

  fs::create_directory_symlink(tmp / "outside", tmp / "link");
  files.removeItem(tmp / "link/");
  EXPECT_FALSE(fs::exists(fs::symlink_status(tmp / "link")));
  EXPECT_EQ(readText(tmp / "outside" / "keep.txt"), "keep");
  EXPECT_EQ(errorOf([&] { files.removeItem(tmp / "gone"); }), ENOENT);
}

TEST_F(FileOperationsTest, ScratchFoldersArePrivateFreshAndOnTheFoldersFileSystem) {
  fs::create_directory(tmp / "dest");
  const auto a = files.makeScratchFolder(tmp / "dest");
  const auto b = files.makeScratchFolder(tmp / "dest");
  EXPECT_NE(a, b);
  EXPECT_EQ(modeOf(a), 0700u);
  writeText(a / "out.zip", "zip");
  const auto inode = lstatOf(a / "out.zip").st_ino;
  files.moveItem(a / "out.zip", tmp / "dest" / "Archive.zip");
  EXPECT_EQ(lstatOf(tmp / "dest" / "Archive.zip").st_ino, inode);  // a rename, not a copy
  files.removeItem(a);
  files.removeItem(b);
  EXPECT_EQ(errorOf([&] { files.makeScratchFolder(tmp / "missing"); }), ENOENT);

  if (const auto other = otherFileSystem()) {
    const TemporaryFolder there(*other);
    EXPECT_EQ(lstatOf(files.makeScratchFolder(there.path())).st_dev, lstatOf(there.path()).st_dev);
  }
}

}  // namespace
}  // namespace nimbra::platform
