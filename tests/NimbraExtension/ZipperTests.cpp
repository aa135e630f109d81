#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <future>

#include "FileTesting.h"
#include "nimbra/extension/Zipper.h"
#include "nimbra/platform/FileOperations.h"
#include "nimbra/platform/ProcessRunner.h"

namespace nimbra::extension {
namespace {

namespace fs = std::filesystem;
using testing::TemporaryFolder;
using testing::writeText;

std::vector<std::string> folderNames(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Runs a command and returns what it printed.
std::string capture(const std::string& command) {
  std::string out;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    while (const auto n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    ::pclose(pipe);
  }
  return out;
}

class ZipperTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The log file and scratch folder go to the temporary folder: a private one shows any leftovers.
    previousTmp_ = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
    ::setenv("TMPDIR", tmp_.path().c_str(), 1);
  }
  void TearDown() override {
    previousTmp_.empty() ? ::unsetenv("TMPDIR") : ::setenv("TMPDIR", previousTmp_.c_str(), 1);
  }

  fs::path script(const std::string& body) {
    const auto path = scripts_ / ("archiver-" + std::to_string(++scriptCount_));
    writeText(path, "#!/bin/sh\n" + body + "\n");
    fs::permissions(path, fs::perms::owner_all);
    return path;
  }

  fs::path zip(const std::vector<fs::path>& items, const fs::path& archiver) {
    return Zipper::zip(items, folder_.path(), {*files_, *processes_, archiver}).location;
  }

  static fs::path nimbraZip() { return fs::path(std::getenv("NIMBRA_BIN_DIR")) / "nimbra-zip"; }

  std::shared_ptr<platform::FileOperations> files_ = platform::systemFileOperations();
  std::shared_ptr<platform::ProcessRunner> processes_ = platform::systemProcessRunner();
  TemporaryFolder tmp_, folder_, scriptsFolder_;
  fs::path scripts_ = scriptsFolder_.path();
  int scriptCount_ = 0;
  std::string previousTmp_;
};

TEST_F(ZipperTest, ArchivesAFolderWithoutDotStoresUnderAFreeName) {
  fs::create_directories(folder_ / "Photos/Trip");
  writeText(folder_ / "Photos/a.jpg", "jpeg");
  writeText(folder_ / "Photos/.DS_Store", "finder junk");
  writeText(folder_ / "Photos/Trip/.DS_Store", "finder junk");
  writeText(folder_ / "Photos/Trip/b.txt", "b");

  const auto first = zip({folder_ / "Photos"}, nimbraZip());
  EXPECT_EQ(first, folder_ / "Photos.zip");
  const auto listing = capture("unzip -Z1 '" + first.string() + "' | sort");
  EXPECT_EQ(listing, "Photos/\nPhotos/Trip/\nPhotos/Trip/b.txt\nPhotos/a.jpg\n");
  EXPECT_EQ(zip({folder_ / "Photos"}, nimbraZip()), folder_ / "Photos 2.zip");
  // The originals are untouched, and nothing is left in the temporary folder.
  EXPECT_TRUE(fs::exists(folder_ / "Photos/.DS_Store"));
  EXPECT_TRUE(folderNames(tmp_.path()).empty());
}

TEST_F(ZipperTest, SeveralItemsAreNamedAfterTheFirstAndSitAtTheTop) {
  for (const auto* name : {"a.txt", "b.txt", "c.txt"}) writeText(folder_ / name, name);
  const auto archive = zip({folder_ / "a.txt", folder_ / "b.txt", folder_ / "c.txt"}, nimbraZip());
  EXPECT_EQ(archive, folder_ / "a.zip");
  EXPECT_EQ(capture("unzip -Z1 '" + archive.string() + "' | sort"), "a.txt\nb.txt\nc.txt\n");
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
  writeText(folder_ / "report.zip", "");
  EXPECT_EQ(name({folder_ / "report.pdf"}), "report 2.zip");
}

TEST_F(ZipperTest, AFailingArchiverReportsStatusAndErrorTextAndLeavesNothing) {
  writeText(folder_ / "a.txt", "a");
  const auto archiver = script("printf 'cannot read \\377 thing' >&2\nexit 3");
  try {
    zip({folder_ / "a.txt"}, archiver);
    FAIL() << "no error";
  } catch (const Zipper::ZipFailed& failed) {
    EXPECT_EQ(failed.status, 3);
    EXPECT_EQ(failed.output, "cannot read \uFFFD thing");
  }
  EXPECT_EQ(folderNames(folder_.path()), std::vector<std::string>{"a.txt"});
  EXPECT_TRUE(folderNames(tmp_.path()).empty());
}

TEST_F(ZipperTest, AKilledArchiverAndOneThatCannotStartLeaveNothing) {
  writeText(folder_ / "a.txt", "a");
  // Writes a partial archive, then dies.
  const auto killed = script("echo partial > \"$8\"\nkill -9 $$");
  try {
    zip({folder_ / "a.txt"}, killed);
    FAIL() << "no error";
  } catch (const Zipper::ZipFailed& failed) {
    EXPECT_EQ(failed.status, 9);
  }
  EXPECT_THROW(zip({folder_ / "a.txt"}, scripts_ / "no-such-archiver"), std::system_error);
  EXPECT_EQ(folderNames(folder_.path()), std::vector<std::string>{"a.txt"});
  EXPECT_TRUE(folderNames(tmp_.path()).empty());
}

TEST_F(ZipperTest, AnExitThatCannotBeKnownIsNeverASuccess) {
  writeText(folder_ / "a.txt", "a");
  // With SIGCHLD ignored the kernel reaps the child and its status is lost.
  const auto previous = std::signal(SIGCHLD, SIG_IGN);
  EXPECT_THROW(zip({folder_ / "a.txt"}, script("echo partial > \"$8\"\nexit 3")), Zipper::ZipFailed);
  std::signal(SIGCHLD, previous);
  EXPECT_EQ(folderNames(folder_.path()), std::vector<std::string>{"a.txt"});
}

TEST_F(ZipperTest, TwoItemsWithOneNameFailBeforeArchiving) {
  fs::create_directories(folder_ / "x");
  fs::create_directories(folder_ / "y");
  writeText(folder_ / "x/notes.txt", "x");
  writeText(folder_ / "y/notes.txt", "y");
  const auto archiver = script("touch \"" + (scripts_ / "ran").string() + "\"");
  EXPECT_THROW(zip({folder_ / "x/notes.txt", folder_ / "y/notes.txt"}, archiver), std::filesystem::filesystem_error);
  EXPECT_FALSE(fs::exists(scripts_ / "ran"));
  EXPECT_EQ(folderNames(folder_.path()), (std::vector<std::string>{"x", "y"}));
  EXPECT_TRUE(folderNames(tmp_.path()).empty());
}

TEST_F(ZipperTest, RunReturnsAtOnceAndCompletesExactlyOnce) {
  const auto gate = tmp_ / "gate";
  const auto archiver = script("while [ ! -e \"" + gate.string() + "\" ]; do sleep 0.01; done");
  std::atomic<int> completions{0};
  std::promise<std::exception_ptr> result;
  Zipper::run(archiver, {}, tmp_.path(), *files_, *processes_, [&](std::exception_ptr e, std::string) {
    ++completions;
    result.set_value(e);
  });
  EXPECT_EQ(completions, 0);  // the archiver is still waiting for the gate
  writeText(gate, "");
  EXPECT_EQ(result.get_future().get(), nullptr);
  EXPECT_EQ(completions, 1);

  EXPECT_TRUE(folderNames(tmp_.path()).size() == 1u);  // only the gate: the log is gone

  // Without a folder to log into, the archiver is not started.
  std::exception_ptr noLog;
  Zipper::run(archiver, {}, tmp_ / "missing", *files_, *processes_, [&](std::exception_ptr e, std::string) { noLog = e; });
  ASSERT_TRUE(noLog);
  try {
    std::rethrow_exception(noLog);
  } catch (const Zipper::ZipFailed& failed) {
    EXPECT_EQ(failed, Zipper::ZipFailed(-1, "no log file"));
  }
}

}  // namespace
}  // namespace nimbra::extension
