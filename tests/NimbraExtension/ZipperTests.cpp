#include "nimbra/extension/Zipper.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <future>

#include "ChildProcess.h"
#include "nimbra/platform/FileOperations.h"
#include "nimbra/platform/ProcessRunner.h"
#include "nimbra/platform/Failure.h"

namespace nimbra::extension {
namespace {

namespace fs = std::filesystem;
using namespace testing;
using namespace std::chrono_literals;

class ZipperTest : public ::testing::Test {
 protected:
  // The log file and scratch folder go to the temporary folder: a private one shows any leftovers.
  void SetUp() override { env_.set("TMPDIR", tmp_.path().c_str()); }

  fs::path script(const std::string& body) {
    const auto path = scripts_ / ("archiver-" + std::to_string(++scriptCount_));
    writeText(path, "#!/bin/sh\n" + body + "\n");
    fs::permissions(path, fs::perms::owner_all);
    return path;
  }

  fs::path zip(const std::vector<fs::path>& items, const fs::path& archiver = builtProgram("nimbra-zip")) {
    return Zipper::zip(items, folder_.path(), {*files_, *processes_, archiver}).location;
  }

  std::shared_ptr<platform::FileOperations> files_ = platform::systemFileOperations();
  std::shared_ptr<platform::ProcessRunner> processes_ = platform::systemProcessRunner();
  ScopedEnvironment env_;
  TemporaryFolder tmp_, folder_, scripts_;
  int scriptCount_ = 0;
};

TEST_F(ZipperTest, ArchivesCopiesWithoutDotStoresUnderAFreeNameAndLeavesNothingElse) {
  fs::create_directories(folder_ / "Photos/Trip");
  writeText(folder_ / "Photos/a.jpg", "jpeg");
  writeText(folder_ / "Photos/.DS_Store", "finder junk");
  writeText(folder_ / "Photos/Trip/.DS_Store", "finder junk");
  writeText(folder_ / "Photos/Trip/b.txt", "b");
  writeText(folder_ / "c.txt", "c");

  EXPECT_EQ(zip({folder_ / "Photos", folder_ / "c.txt"}), folder_ / "Photos.zip");
  EXPECT_EQ(runProgram({"unzip", "-Z1", folder_ / "Photos.zip"}).out,
            "Photos/\nPhotos/Trip/\nPhotos/Trip/b.txt\nPhotos/a.jpg\nc.txt\n");
  EXPECT_EQ(zip({folder_ / "Photos"}), folder_ / "Photos 2.zip");
  // The originals are untouched, and nothing is left in the temporary folder.
  EXPECT_TRUE(fs::exists(folder_ / "Photos/.DS_Store"));
  EXPECT_TRUE(namesIn(tmp_.path()).empty());
}

TEST_F(ZipperTest, ArchiveNamesFollowTheFirstItem) {
  auto name = [&](std::vector<fs::path> items) { return Zipper::archiveURL(items, folder_.path(), *files_).filename(); };
  EXPECT_EQ(name({}), "Archive.zip");
  fs::create_directories(folder_ / "Old.zip");
  fs::create_directories(folder_ / "Build 1.2");
  fs::create_directories(folder_ / "Tool.app");
  writeText(folder_ / "report.pdf", "");
  EXPECT_EQ(name({folder_ / "Build 1.2"}), "Build 1.2.zip");
  EXPECT_EQ(name({folder_ / "Tool.app"}), "Tool.zip");
  EXPECT_EQ(name({folder_ / "report.pdf", folder_ / "Build 1.2"}), "report.zip");
  // The folder itself takes "Old.zip": the next free name, never "Old.zip.zip".
  EXPECT_EQ(name({folder_ / "Old.zip"}), "Old 2.zip");
}

TEST_F(ZipperTest, AnArchiverThatFailsDiesOrCannotStartLeavesNothing) {
  writeText(folder_ / "a.txt", "a");
  auto failure = [&](const std::string& body) {
    try {
      zip({folder_ / "a.txt"}, script(body));
    } catch (const Zipper::ZipFailed& failed) {
      return failed;
    }
    ADD_FAILURE() << "no error from " << body;
    return Zipper::ZipFailed(0, "");
  };
  // Its status and the start of its error text, as UTF-8.
  EXPECT_EQ(failure("printf 'cannot read \\377 thing' >&2\nexit 3"), Zipper::ZipFailed(3, "cannot read \uFFFD thing"));
  EXPECT_EQ(failure("echo partial > \"$8\"\nkill -9 $$").status, 9);
  EXPECT_THROW(zip({folder_ / "a.txt"}, scripts_ / "no-such-archiver"), platform::Failure);
  // With SIGCHLD ignored the kernel reaps the child and its status is lost: never a success.
  const auto previous = std::signal(SIGCHLD, SIG_IGN);
  failure("echo partial > \"$8\"\nexit 3");
  std::signal(SIGCHLD, previous);
  EXPECT_EQ(namesIn(folder_.path()), std::vector<std::string>{"a.txt"});
  EXPECT_TRUE(namesIn(tmp_.path()).empty());
}

TEST_F(ZipperTest, TwoItemsWithOneNameFailBeforeArchiving) {
  fs::create_directories(folder_ / "x");
  fs::create_directories(folder_ / "y");
  writeText(folder_ / "x/notes.txt", "x");
  writeText(folder_ / "y/notes.txt", "y");
  EXPECT_THROW(zip({folder_ / "x/notes.txt", folder_ / "y/notes.txt"}, script("touch \"" + (scripts_ / "ran").string() + "\"")),
               platform::Failure);
  EXPECT_FALSE(fs::exists(scripts_ / "ran"));
  EXPECT_EQ(namesIn(folder_.path()), (std::vector<std::string>{"x", "y"}));
  EXPECT_TRUE(namesIn(tmp_.path()).empty());
}

TEST_F(ZipperTest, RunReturnsAtOnceAndCompletesExactlyOnce) {
  // The archiver waits for a gate only the test opens, and gives up after five seconds.
  const auto gate = tmp_ / "gate";
  const auto archiver = script("for i in $(seq 500); do [ -e \"" + gate.string() + "\" ] && exit 0; sleep 0.01; done; exit 1");
  std::atomic<int> completions{0};
  std::promise<std::exception_ptr> result;
  Zipper::run(archiver, {}, tmp_.path(), *files_, *processes_, [&](std::exception_ptr e, std::string) {
    ++completions;
    result.set_value(e);
  });
  EXPECT_EQ(completions, 0);
  writeText(gate, "");
  auto future = result.get_future();
  ASSERT_EQ(future.wait_for(10s), std::future_status::ready);
  EXPECT_EQ(future.get(), nullptr);
  EXPECT_EQ(completions, 1);
  EXPECT_EQ(namesIn(tmp_.path()), std::vector<std::string>{"gate"});  // the log is gone

  // Without a folder to log into, the archiver is not started and the file system says why.
  std::exception_ptr noLog;
  Zipper::run(archiver, {}, tmp_ / "missing", *files_, *processes_, [&](std::exception_ptr e, std::string) { noLog = e; });
  ASSERT_TRUE(noLog);
  EXPECT_THROW(std::rethrow_exception(noLog), platform::Failure);
}

}  // namespace
}  // namespace nimbra::extension
