// nimbra-zip as its callers see it: real trees in a temporary folder, the real binary,
// and the archives read back by Info-ZIP's unzip and zipinfo and by Python's zipfile.

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

struct Outcome {
  int status = -1;  // exit status, or 128 + the signal that ended the process
  std::string out;
  std::string err;
};

struct RunOptions {
  rlim_t fileSizeLimit = RLIM_INFINITY;
  bool dropRoot = false;  // run as "nobody" when the tests run as root, so permissions bite
};

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void writeFile(const fs::path& path, std::string_view content, mode_t mode = 0644) {
  std::ofstream(path, std::ios::binary).write(content.data(), static_cast<std::streamsize>(content.size()));
  ASSERT_EQ(::chmod(path.c_str(), mode), 0) << path;
}

void setModificationTime(const fs::path& path, time_t seconds) {
  const timespec times[2] = {{seconds, 0}, {seconds, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

std::string randomBytes(std::size_t size, unsigned seed) {
  std::mt19937 engine(seed);
  std::string bytes(size, '\0');
  for (auto& b : bytes) b = static_cast<char>(engine() & 0xFF);
  return bytes;
}

// Compressible, but not trivially: words drawn from a small vocabulary.
std::string wordyText(std::size_t size, unsigned seed) {
  static const char* const kWords[] = {"archive", "folder", "entry", "deflate", "header", "central",
                                       "directory", "stream", "window", "symbol", "length", "offset"};
  std::mt19937 engine(seed);
  std::string text;
  while (text.size() < size) {
    text += kWords[engine() % std::size(kWords)];
    text += engine() % 9 == 0 ? '\n' : ' ';
  }
  text.resize(size);
  return text;
}

// Memory-backed when the machine offers it: the Zip64 test creates 65,536 files, which
// takes seconds on tmpfs but can take a minute on a busy journaled disk.
fs::path scratchFolder() {
  std::error_code ec;
  if (fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK | X_OK) == 0) return "/dev/shm";
  return fs::temp_directory_path();
}

class NimbraZip : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (scratchFolder() / "nimbra-zip-test-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    // Open to all so the tests that drop root privileges can still create the archive.
    ASSERT_EQ(::chmod(root_.c_str(), 0777), 0);
    source_ = root_ / "source";
    fs::create_directory(source_);
    archive_ = root_ / "out.zip";
  }

  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  static fs::path binary() {
    const char* dir = std::getenv("NIMBRA_BIN_DIR");
    return fs::path(dir != nullptr ? dir : ".") / "nimbra-zip";
  }

  static fs::path checker() {
    const char* dir = std::getenv("NIMBRA_SOURCE_DIR");
    return fs::path(dir != nullptr ? dir : ".") / "tests/tools/nimbra-zip/check_archive.py";
  }

  // Runs a program with stdout and stderr captured, waiting for it to end.
  Outcome run(const std::vector<std::string>& args, const RunOptions& options = {}) {
    const pid_t child = start(args, options);
    return finish(child);
  }

  pid_t start(const std::vector<std::string>& args, const RunOptions& options = {}) {
    const auto outPath = root_ / "stdout.txt";
    const auto errPath = root_ / "stderr.txt";
    const pid_t child = ::fork();
    if (child == 0) {
      const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
      const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
      if (out < 0 || err < 0) ::_exit(126);
      ::dup2(out, 1);
      ::dup2(err, 2);
      if (options.fileSizeLimit != RLIM_INFINITY) {
        const rlimit limit{options.fileSizeLimit, options.fileSizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
      }
      if (options.dropRoot && ::geteuid() == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(126);
      }
      std::vector<char*> argv;
      for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
      argv.push_back(nullptr);
      ::execvp(argv[0], argv.data());
      ::_exit(127);
    }
    return child;
  }

  Outcome finish(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    Outcome outcome;
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    outcome.out = readFile(root_ / "stdout.txt");
    outcome.err = readFile(root_ / "stderr.txt");
    return outcome;
  }

  Outcome zip(const fs::path& source, const fs::path& destination, const RunOptions& options = {}) {
    return run({binary().string(), "-c", "-k", "--norsrc", "--noextattr", "--noqtn", "--noacl", source.string(),
                destination.string()},
               options);
  }

  // The archive passes Info-ZIP's test and matches the source in Python's reading.
  void expectFaithful(const fs::path& source, const fs::path& archive, std::vector<std::string> checkerArgs = {}) {
    const auto tested = run({"unzip", "-t", "-q", archive.string()});
    EXPECT_EQ(tested.status, 0) << tested.out << tested.err;
    std::vector<std::string> args = {"python3", checker().string()};
    args.insert(args.end(), checkerArgs.begin(), checkerArgs.end());
    args.push_back(source.string());
    args.push_back(archive.string());
    const auto checked = run(args);
    EXPECT_EQ(checked.status, 0) << checked.out << checked.err;
  }

  // zipinfo's listing line for one entry (empty when it lists none).
  std::string zipinfoLine(const fs::path& archive, const std::string& name) {
    const auto listed = run({"zipinfo", archive.string(), name});
    const auto newline = listed.out.find('\n');
    return listed.status == 0 ? listed.out.substr(0, newline) : "";
  }

  fs::path root_;
  fs::path source_;
  fs::path archive_;
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
  writeFile(s / "large/noise.bin", randomBytes(2 * 1024 * 1024 + 5, 2));
  writeFile(s / "large/noise-then-index.bin", randomBytes(256 * 1024, 3) + wordyText(20 * 1024, 4));
  setModificationTime(s / "nested", 946684800);
  setModificationTime(s / "link-to-notes", 1262304000);

  const auto zipped = zip(s, archive_);
  ASSERT_EQ(zipped.status, 0) << zipped.err;
  EXPECT_EQ(zipped.err, "");
  expectFaithful(s, archive_);

  // Data that is already compressed is stored; the rest is deflated.
  EXPECT_THAT(zipinfoLine(archive_, "large/noise.bin"), HasSubstr(" stor "));
  EXPECT_THAT(zipinfoLine(archive_, "large/text.txt"), HasSubstr(" defN "));
  EXPECT_THAT(zipinfoLine(archive_, "large/noise-then-index.bin"), HasSubstr(" defN "));
  // Links are links to zipinfo too, and the link to a folder was not followed.
  EXPECT_THAT(zipinfoLine(archive_, "link-to-folder"), ::testing::StartsWith("lrwxrwxrwx"));
  EXPECT_EQ(zipinfoLine(archive_, "link-to-folder/deeper/leaf.txt"), "");
  EXPECT_THAT(zipinfoLine(archive_, "run.sh"), ::testing::StartsWith("-rwxr-xr-x"));
  EXPECT_LT(fs::file_size(archive_), 4u * 1024 * 1024) << "text was not compressed";
}

TEST_F(NimbraZip, ASourceThatIsNotAFolderIsArchivedUnderItsOwnName) {
  const auto file = root_ / "single.txt";
  writeFile(file, "alone\n");
  ASSERT_EQ(zip(file, archive_).status, 0);
  const auto listed = run({"zipinfo", "-1", archive_.string()});
  EXPECT_EQ(listed.out, "single.txt\n");
  const auto content = run({"unzip", "-p", archive_.string(), "single.txt"});
  EXPECT_EQ(content.out, "alone\n");
}

TEST_F(NimbraZip, AnArchiveWrittenInsideItsSourceLeavesItselfOut) {
  writeFile(source_ / "a.txt", "a\n");
  writeFile(source_ / "z.txt", wordyText(100000, 5));
  const auto inside = source_ / "m-self.zip";
  ASSERT_EQ(zip(source_, inside).status, 0);
  expectFaithful(source_, inside, {"--exclude", "m-self.zip"});
}

TEST_F(NimbraZip, MoreThan65535EntriesGetZip64EndRecords) {
  // 256 folders of 256 empty files: 65792 entries, past the 16-bit count of plain ZIP.
  for (int folder = 0; folder < 256; ++folder) {
    const auto dir = source_ / std::to_string(folder);
    fs::create_directory(dir);
    for (int file = 0; file < 256; ++file) {
      const int fd = ::open((dir / std::to_string(file)).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
      ASSERT_GE(fd, 0);
      ::close(fd);
    }
  }
  const auto zipped = zip(source_, archive_);
  ASSERT_EQ(zipped.status, 0) << zipped.err;

  const auto header = run({"zipinfo", "-h", archive_.string()});
  EXPECT_THAT(header.out, HasSubstr("number of entries: 65792"));
  expectFaithful(source_, archive_);
  // Zip64 end of central directory record and locator, just before the classic end record.
  const auto bytes = readFile(archive_);
  const auto tail = bytes.substr(bytes.size() - 22 - 20 - 56);
  EXPECT_EQ(tail.substr(0, 4), std::string("PK\x06\x06", 4));
  EXPECT_EQ(tail.substr(56, 4), std::string("PK\x06\x07", 4));
}

TEST_F(NimbraZip, MalformedCommandLinesExitWith2AndUsage) {
  writeFile(source_ / "a.txt", "a\n");
  const auto src = source_.string();
  const auto dst = archive_.string();
  const std::vector<std::vector<std::string>> malformed = {
      {},
      {"-c", src, dst},
      {"-k", src, dst},
      {"-c", "-k", src},
      {"-c", "-k", src, dst, dst + "2"},
      {"-c", "-k", "--keepParent", src, dst},
      {"-x", "-c", "-k", src, dst},
      {"-c", "-k", "", dst},
  };
  for (const auto& args : malformed) {
    std::vector<std::string> argv = {binary().string()};
    argv.insert(argv.end(), args.begin(), args.end());
    const auto outcome = run(argv);
    EXPECT_EQ(outcome.status, 2) << ::testing::PrintToString(args);
    EXPECT_THAT(outcome.err, HasSubstr("usage: nimbra-zip")) << ::testing::PrintToString(args);
    EXPECT_FALSE(fs::exists(archive_)) << ::testing::PrintToString(args);
  }
}

TEST_F(NimbraZip, BadPathsFailNamingThemAndTouchNothing) {
  writeFile(source_ / "a.txt", "a\n");

  const auto missing = root_ / "no such folder";
  auto outcome = zip(missing, archive_);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_THAT(outcome.err, HasSubstr(missing.string()));
  EXPECT_FALSE(fs::exists(archive_));

  const auto unreachable = root_ / "missing" / "out.zip";
  outcome = zip(source_, unreachable);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_THAT(outcome.err, HasSubstr(unreachable.string()));
  EXPECT_FALSE(fs::exists(root_ / "missing"));

  // An existing destination is never replaced.
  writeFile(archive_, "precious");
  outcome = zip(source_, archive_);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_THAT(outcome.err, HasSubstr("cannot create archive '" + archive_.string() + "': File exists"));
  EXPECT_EQ(readFile(archive_), "precious");
}

TEST_F(NimbraZip, AnUnreadableFileFailsNamingItAndRemovesThePartialArchive) {
  // Sorted after the readable file, so part of the archive is already written.
  writeFile(source_ / "a-readable.txt", wordyText(300000, 6));
  writeFile(source_ / "z-secret.txt", "hidden\n", 0000);
  const auto outcome = zip(source_, archive_, {.dropRoot = true});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_THAT(outcome.err, HasSubstr((source_ / "z-secret.txt").string()));
  EXPECT_THAT(outcome.err, HasSubstr("Permission denied"));
  EXPECT_FALSE(fs::exists(archive_));
}

TEST_F(NimbraZip, AnUnreadableFolderFailsNamingIt) {
  writeFile(source_ / "a.txt", "a\n");
  fs::create_directory(source_ / "locked");
  writeFile(source_ / "locked" / "inside.txt", "x\n");
  ASSERT_EQ(::chmod((source_ / "locked").c_str(), 0000), 0);
  const auto outcome = zip(source_, archive_, {.dropRoot = true});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_THAT(outcome.err, HasSubstr((source_ / "locked").string()));
  EXPECT_FALSE(fs::exists(archive_));
  ::chmod((source_ / "locked").c_str(), 0755);
}

TEST_F(NimbraZip, AFailedWriteRemovesThePartialArchive) {
  writeFile(source_ / "noise.bin", randomBytes(1024 * 1024, 7));
  // A file-size limit makes writes fail part-way, as a full disk would.
  const auto outcome = zip(source_, archive_, {.fileSizeLimit = 64 * 1024});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_THAT(outcome.err, HasSubstr("cannot write archive '" + archive_.string() + "'"));
  EXPECT_THAT(outcome.err, HasSubstr("File too large"));
  EXPECT_FALSE(fs::exists(archive_));
}

TEST_F(NimbraZip, AnInterruptedRunRemovesThePartialArchive) {
  // A sparse gigabyte keeps the archiver busy for seconds without using any disk.
  { std::ofstream(source_ / "sparse.bin"); }
  fs::resize_file(source_ / "sparse.bin", std::uintmax_t{1} << 30);
  const pid_t child = start({binary().string(), "-c", "-k", source_.string(), archive_.string()});
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!fs::exists(archive_) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ASSERT_TRUE(fs::exists(archive_));
  ::kill(child, SIGTERM);
  const auto outcome = finish(child);
  EXPECT_EQ(outcome.status, 128 + SIGTERM);
  EXPECT_FALSE(fs::exists(archive_));
}

}  // namespace
