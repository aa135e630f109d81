// Picks from the terminal, end to end, one for each kind of wiring: a private world
// whose desktop entries record how they were started, and a private session bus with
// a recording file manager. The rules behind each pick are the dispatcher's tests.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>

#include "BusRecording.h"
#include "PrivateSessionBus.h"
#include "World.h"

namespace nimbra::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::vector<std::string> readLines(const fs::path& file) {
  std::ifstream in(file);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class PickTest : public ::testing::Test {
 protected:
  PickTest() {
    for (const auto* dir : {"Desktop", "work"}) fs::create_directories(home() / dir);
    writeText(home() / "record-launch", "#!/bin/sh\necho \"$*\" >> \"" + launches().string() + "\"\n");
    fs::permissions(home() / "record-launch", fs::perms::owner_all);
    for (const auto* id : {"code.desktop", "ai.corvane.nimbra.desktop"}) {
      world_.installApp(id, id, (home() / "record-launch").string() + " " + id + " %U");
    }
  }

  fs::path home() const { return world_.home(); }
  fs::path work() const { return home() / "work"; }
  fs::path launches() const { return home() / "launches"; }
  std::string uri(const fs::path& path) const { return "file://" + path.string(); }

  CommandResult pick(const std::vector<std::string>& args, std::vector<std::string> env = {}) const {
    env.push_back("DBUS_SESSION_BUS_ADDRESS=" + bus_.address());
    return world_.menu(args, env);
  }
  // Launched programs run on after the pick returns: wait for what they record.
  std::vector<std::string> waitForLaunches(std::size_t count) const {
    for (int i = 0; i < 500 && readLines(launches()).size() < count; ++i) std::this_thread::sleep_for(10ms);
    return readLines(launches());
  }

  World world_;
  PrivateSessionBus bus_;
  BusRecording recorder_{bus_.address()};
};

TEST_F(PickTest, ANewItemIsMadeAndRevealedAndTheAppIsTold) {
  // Container menu: [0] Folder, [1] Alias, [2] Rich Text Document, [3] Text Document.
  const auto r = pick({"container", "--target", work().string(), "--pick", "3"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::is_regular_file(work() / "New Text Document.txt"));
  // The reveal and the signal travel separately; each arrives exactly once.
  auto events = recorder_.lines();
  std::ranges::sort(events);
  EXPECT_EQ(events, (std::vector<std::string>{"reveal " + uri(work()) + "/New%20Text%20Document.txt",
                                              "signal ai.corvane.nimbra.menuUsed"}));
}

TEST_F(PickTest, NewItemsAreNamedInTheUsersLanguageAndNumberedInIt) {
  const std::vector<std::string> japanese = {"LANG=ja_JP.UTF-8"};
  const auto menu = pick({"container", "--target", work().string()}, japanese);
  EXPECT_EQ(menu.out.substr(0, menu.out.find('\n')), "新規作成 \u25B8");
  for (int i = 0; i < 2; ++i) ASSERT_EQ(pick({"container", "--target", work().string(), "--pick", "0"}, japanese).status, 0);
  EXPECT_TRUE(fs::is_directory(work() / "新しいフォルダー"));
  EXPECT_TRUE(fs::is_directory(work() / "新しいフォルダー 2"));
  ASSERT_EQ(pick({"container", "--target", work().string(), "--pick", "3"}, {"LANG=de_DE.UTF-8"}).status, 0);
  EXPECT_TRUE(fs::is_regular_file(work() / "Neues Textdokument.txt"));
}

TEST_F(PickTest, SendToReachesTheUsersFoldersAndTheArchiver) {
  const auto report = work() / "report.pdf";
  writeText(report, "%PDF");
  // Items menu: [0] zip, [1] Desktop, [2] Desktop (create shortcut), [3] Documents, [4] Another Folder.
  for (const char* tag : {"1", "2"}) EXPECT_EQ(pick({"items", "--select", report.string(), "--pick", tag}).status, 0);
  EXPECT_EQ(readText(home() / "Desktop/report.pdf"), "%PDF");
  EXPECT_EQ(fs::read_symlink(home() / "Desktop/report.pdf alias"), report);
  // A folder given with a trailing separator is archived beside itself, not into itself.
  fs::create_directories(work() / "Photos");
  writeText(work() / "Photos/a.jpg", "jpeg");
  EXPECT_EQ(pick({"items", "--select", (work() / "Photos").string() + "/", "--pick", "0"}).status, 0);
  EXPECT_EQ(runProgram({"unzip", "-Z1", (work() / "Photos.zip").string()}).out, "Photos/\nPhotos/a.jpg\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(work() / "Photos"), fs::directory_iterator()), 1);
  EXPECT_EQ(recorder_.lines(), std::vector<std::string>{"reveal " + uri(work() / "Photos.zip")});
}

TEST_F(PickTest, AHandOffAndOpenWithLaunchThroughDesktopEntries) {
  // Container menu [1] Alias hands off to the app; sidebar menu [0] is Visual Studio Code.
  ASSERT_EQ(pick({"container", "--target", work().string(), "--pick", "1"}).status, 0);
  EXPECT_TRUE(recorder_.waitFor("signal ai.corvane.nimbra.makeAlias"));
  EXPECT_EQ(world_.run("nimbra-defaults", {"read", "pendingAliasFolder"}).out, work().string() + "\n");
  EXPECT_EQ(waitForLaunches(1), std::vector<std::string>{"ai.corvane.nimbra.desktop"});

  fs::create_directories(work() / "src");
  const auto r = pick({"sidebar", "--select", work().string(), "--select", (work() / "src").string(), "--pick", "0"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = waitForLaunches(2);
  ASSERT_EQ(lines.size(), 2u);
  // GIO hands local folders over as paths or as file URIs, whichever the entry takes.
  EXPECT_TRUE(lines[1] == "code.desktop " + work().string() + " " + (work() / "src").string() ||
              lines[1] == "code.desktop " + uri(work()) + " " + uri(work() / "src"))
      << lines[1];
}

TEST_F(PickTest, AFailureIsOneLineOnStderrAndExitStatusOne) {
  const auto r = pick({"container", "--target", (home() / "gone/folder").string(), "--pick", "0"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err.rfind("create folder: ", 0), 0u) << r.err;
  EXPECT_EQ(std::ranges::count(r.err, '\n'), 1) << r.err;
  // --verbose adds the info lines.
  EXPECT_THAT(pick({"items", "--pick", "0", "--verbose"}).err, ::testing::HasSubstr("perform sendTo(zip)\nsend to: nothing selected\n"));
  EXPECT_TRUE(recorder_.lines().empty());
}

}  // namespace
}  // namespace nimbra::testing
