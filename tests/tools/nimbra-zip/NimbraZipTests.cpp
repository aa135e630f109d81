// nimbra-zip as its callers see it: real trees, the real binary, and the archives read
// back by Info-ZIP's unzip and zipinfo, Python's zipfile, bsdtar and 7-Zip.

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>
#include <set>
#include <thread>

#include "ChildProcess.h"

namespace nimbra::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

void writeFile(const fs::path& path, const std::string& content, mode_t mode = 0644) {
  writeText(path, content);
  ASSERT_EQ(::chmod(path.c_str(), mode), 0) << path;
}

// Compressible, but not trivially: words drawn from a small vocabulary.
std::string wordyText(std::size_t size, unsigned seed) {
  const std::string words[] = {"archive ", "folder ", "entry\n", "deflate ", "header ", "central ", "window "};
  std::string text;
  for (std::mt19937 engine(seed); text.size() < size;) text += words[engine() % std::size(words)];
  return text.substr(0, size);
}

// Every item under `root` with its type, mode, modification time (seconds) and content
// or link target: a faithful extraction describes alike.
std::set<std::string> describe(const fs::path& root) {
  std::set<std::string> items;
  for (const auto& item : fs::recursive_directory_iterator(root)) {
    struct stat st {};
    ::lstat(item.path().c_str(), &st);
    const auto what = S_ISLNK(st.st_mode)   ? fs::read_symlink(item.path()).string()
                      : S_ISREG(st.st_mode) ? std::to_string(std::hash<std::string>()(readText(item.path())))
                                            : "";
    items.insert(fs::relative(item.path(), root).string() + " " + std::to_string(st.st_mode) + " " +
                 std::to_string(st.st_mtim.tv_sec) + " " + what);
  }
  return items;
}

// Memory-backed where the machine offers it: the Zip64 test makes 65,792 files.
fs::path scratchFolder() { return ::access("/dev/shm", W_OK | X_OK) == 0 ? "/dev/shm" : fs::temp_directory_path(); }

class NimbraZip : public ::testing::Test {
 protected:
  // Open to all, so that runs as "nobody" can still create the archive.
  void SetUp() override {
    ASSERT_EQ(::chmod(root_.path().c_str(), 0777), 0);
    fs::create_directory(source_);
  }

  static std::vector<std::string> zipArgs(const fs::path& source, const fs::path& archive) {
    return {builtProgram("nimbra-zip"), "-c", "-k", "--norsrc", "--noextattr", "--noqtn", "--noacl", source, archive};
  }
  // Run as "nobody" when the tests run as root, so that permissions bite.
  static std::vector<std::string> asNobody(std::vector<std::string> args) {
    if (::geteuid() == 0) args.insert(args.begin(), {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
    return args;
  }
  CommandResult zip(const fs::path& source, const fs::path& archive) { return runProgram(zipArgs(source, archive)); }

  // The archive passes Info-ZIP's test and matches the source in Python's reading.
  void expectFaithful(const fs::path& archive, std::vector<std::string> checkerArgs = {}) {
    const auto tested = runProgram({"unzip", "-t", "-q", archive});
    EXPECT_EQ(tested.status, 0) << tested.out << tested.err;
    const std::string checker = std::getenv("NIMBRA_SOURCE_DIR") + std::string("/tests/tools/nimbra-zip/check_archive.py");
    checkerArgs.insert(checkerArgs.begin(), {"python3", checker});
    checkerArgs.insert(checkerArgs.end(), {source_, archive});
    const auto checked = runProgram(checkerArgs);
    EXPECT_EQ(checked.status, 0) << checked.out << checked.err;
  }

  // bsdtar and 7-Zip each extract the archive into a tree equal to the source.
  void expectExtractedAlike(const fs::path& archive) {
    const auto byBsdtar = root_ / "by-bsdtar";
    const auto by7z = root_ / "by-7z";
    fs::create_directory(byBsdtar);
    // -snld20: 7-Zip otherwise refuses links that lead out of the folder, as "dangling" does.
    const std::vector<std::pair<std::vector<std::string>, fs::path>> extractions = {
        {{"bsdtar", "-xpf", archive, "-C", byBsdtar}, byBsdtar},
        {{"7z", "x", "-bd", "-snld20", "-o" + by7z.string(), archive}, by7z}};
    for (const auto& [args, into] : extractions) {
      const auto extracted = runProgram(args);
      EXPECT_EQ(extracted.status, 0) << extracted.out << extracted.err;
      EXPECT_EQ(describe(into), describe(source_)) << args.front();
    }
  }

  // zipinfo's listing line for one entry (empty when it lists none).
  static std::string zipinfoLine(const fs::path& archive, const std::string& name) {
    const auto listed = runProgram({"zipinfo", archive, name});
    return listed.status == 0 ? listed.out.substr(0, listed.out.find('\n')) : "";
  }

  const TemporaryFolder root_{scratchFolder()};
  const fs::path source_ = root_ / "source";
  const fs::path archive_ = root_ / "out.zip";
};

TEST_F(NimbraZip, ArchivesTheContentsOfTheSourceAsIndependentReadersSeeThem) {
  const auto& s = source_;
  writeFile(s / "notes.txt", "first line\nsecond line\n");
  setModificationTime(s / "notes.txt", 1614834367);  // an odd second: DOS time rounds it
  writeFile(s / "run.sh", "#!/bin/sh\necho hello\n", 0755);
  writeFile(s / "read-only.txt", "keep\n", 0444);
  writeFile(s / "empty", "");
  fs::create_directory(s / "Empty Folder");
  ::chmod((s / "Empty Folder").c_str(), 0700);
  fs::create_directories(s / "nested/deeper");
  writeFile(s / "nested/deeper/leaf.txt", "leaf\n");
  fs::create_directory(s / "Ünïcødé ✓");
  writeFile(s / "Ünïcødé ✓/Résumé 履歴書.txt", "résumé\n");
  writeFile(s / "caf\xE9 latin-1.txt", "not UTF-8 in its name\n");
  fs::create_symlink("notes.txt", s / "link-to-notes");
  fs::create_symlink("../nowhere/at all", s / "dangling");
  fs::create_symlink("nested", s / "link-to-folder");
  fs::create_directory(s / "large");
  writeFile(s / "large/text.txt", wordyText(3 * 1024 * 1024 + 123, 1));
  writeFile(s / "large/noise.bin", randomText(2 * 1024 * 1024 + 5, 2));
  writeFile(s / "large/noise-then-index.bin", randomText(256 * 1024, 3) + wordyText(20 * 1024, 4));
  setModificationTime(s / "nested", 946684800);
  setModificationTime(s / "link-to-notes", 1262304000);

  const auto zipped = zip(s, archive_);
  ASSERT_EQ(zipped.status, 0) << zipped.err;
  EXPECT_EQ(zipped.err, "");
  expectFaithful(archive_);
  expectExtractedAlike(archive_);
  // However the threads ran, the same tree gives the same bytes.
  ASSERT_EQ(zip(s, root_ / "again.zip").status, 0);
  EXPECT_EQ(readText(root_ / "again.zip"), readText(archive_));
  // Data that is already compressed is stored; the rest is deflated.
  EXPECT_THAT(zipinfoLine(archive_, "large/noise.bin"), HasSubstr(" stor "));
  EXPECT_THAT(zipinfoLine(archive_, "large/text.txt"), HasSubstr(" defN "));
  EXPECT_THAT(zipinfoLine(archive_, "large/noise-then-index.bin"), HasSubstr(" defN "));
  // A link to a folder is a link, not followed.
  EXPECT_THAT(zipinfoLine(archive_, "link-to-folder"), ::testing::StartsWith("lrwxrwxrwx"));
}

TEST_F(NimbraZip, ASourceThatIsNotAFolderIsArchivedUnderItsOwnName) {
  writeFile(root_ / "single.txt", "alone\n");
  ASSERT_EQ(zip(root_ / "single.txt", archive_).status, 0);
  EXPECT_EQ(runProgram({"zipinfo", "-1", archive_}).out, "single.txt\n");
  EXPECT_EQ(runProgram({"unzip", "-p", archive_, "single.txt"}).out, "alone\n");
}

TEST_F(NimbraZip, AnArchiveWrittenInsideItsSourceLeavesItselfOut) {
  writeFile(source_ / "a.txt", "a\n");
  writeFile(source_ / "z.txt", wordyText(100000, 5));
  ASSERT_EQ(zip(source_, source_ / "m-self.zip").status, 0);
  expectFaithful(source_ / "m-self.zip", {"--exclude", "m-self.zip"});
}

TEST_F(NimbraZip, MoreThan65535EntriesGetZip64EndRecords) {
  // 256 folders of 256 empty files: 65792 entries, past the 16-bit count of plain ZIP.
  for (int folder = 0; folder < 256; ++folder) {
    fs::create_directory(source_ / std::to_string(folder));
    for (int file = 0; file < 256; ++file) {
      ASSERT_EQ(::close(::creat((source_ / std::to_string(folder) / std::to_string(file)).c_str(), 0644)), 0);
    }
  }
  const auto zipped = zip(source_, archive_);
  ASSERT_EQ(zipped.status, 0) << zipped.err;
  EXPECT_THAT(runProgram({"zipinfo", "-h", archive_}).out, HasSubstr("number of entries: 65792"));
  expectFaithful(archive_);
  // Zip64 end of central directory record and locator, just before the classic end record.
  const auto bytes = readText(archive_);
  const auto tail = bytes.substr(bytes.size() - 22 - 20 - 56);
  EXPECT_EQ(tail.substr(0, 4), std::string("PK\x06\x06", 4));
  EXPECT_EQ(tail.substr(56, 4), std::string("PK\x06\x07", 4));
}

TEST_F(NimbraZip, BadCommandLinesAndPathsFailNamingThemAndTouchNothing) {
  writeFile(source_ / "a.txt", "a\n");
  const auto malformed = runProgram({builtProgram("nimbra-zip"), "-c", source_, archive_});
  EXPECT_EQ(malformed.status, 2);
  EXPECT_THAT(malformed.err, HasSubstr("usage: nimbra-zip"));

  auto outcome = zip(root_ / "no such folder", archive_);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_THAT(outcome.err, HasSubstr((root_ / "no such folder").string()));
  EXPECT_FALSE(fs::exists(archive_));
  outcome = zip(source_, root_ / "missing" / "out.zip");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_THAT(outcome.err, HasSubstr((root_ / "missing" / "out.zip").string()));
  EXPECT_FALSE(fs::exists(root_ / "missing"));

  // An existing destination is never replaced.
  writeFile(archive_, "precious");
  outcome = zip(source_, archive_);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_THAT(outcome.err, HasSubstr("cannot create archive '" + archive_.string() + "': File exists"));
  EXPECT_EQ(readText(archive_), "precious");
}

TEST_F(NimbraZip, AnUnreadableItemFailsNamingItAndRemovesThePartialArchive) {
  // Sorted after the readable file, so part of the archive is already written.
  writeFile(source_ / "a-readable.txt", wordyText(300000, 6));
  fs::create_directory(source_ / "b-locked");
  writeFile(source_ / "c-secret.txt", "hidden\n", 0000);
  for (const auto* unreadable : {"c-secret.txt", "b-locked"}) {
    ::chmod((source_ / "b-locked").c_str(), unreadable == std::string("b-locked") ? 0000 : 0755);
    const auto outcome = runProgram(asNobody(zipArgs(source_, archive_)));
    EXPECT_EQ(outcome.status, 1);
    EXPECT_THAT(outcome.err, HasSubstr((source_ / unreadable).string() + "': Permission denied"));
    EXPECT_FALSE(fs::exists(archive_));
  }
  ::chmod((source_ / "b-locked").c_str(), 0755);
}

TEST_F(NimbraZip, AFailedWriteRemovesThePartialArchive) {
  writeFile(source_ / "noise.bin", randomText(1024 * 1024, 7));
  // A file-size limit makes writes fail part-way, as a full disk would.
  auto args = zipArgs(source_, archive_);
  args.insert(args.begin(), {"prlimit", "--fsize=65536"});
  const auto outcome = runProgram(args);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_THAT(outcome.err, HasSubstr("cannot write archive '" + archive_.string() + "': File too large"));
  EXPECT_FALSE(fs::exists(archive_));
}

TEST_F(NimbraZip, AKilledRunRemovesThePartialArchive) {
  // A sparse gigabyte keeps the archiver busy for seconds without using any disk.
  writeText(source_ / "sparse.bin", "");
  fs::resize_file(source_ / "sparse.bin", std::uintmax_t{1} << 30);
  ChildProcess child(zipArgs(source_, archive_));
  for (int i = 0; i < 10'000 && !fs::exists(archive_); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  ASSERT_TRUE(fs::exists(archive_));
  EXPECT_EQ(child.stop(), 128 + SIGTERM);
  EXPECT_FALSE(fs::exists(archive_));
}

}  // namespace
}  // namespace nimbra::testing
