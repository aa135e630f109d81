// Picks from the terminal, end to end, one for each kind of wiring: a private world
// whose desktop entries record how they were started, and a private session bus with
// a recording file manager. The rules behind each pick are the dispatcher's tests.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>

#include "BusRecording.h"
#include "PrivateSessionBus.h"
#include "SmallFileSystem.h"
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

TEST_F(PickTest, TheArchiverTakesAFolderGivenWithATrailingSeparator) {
  // A folder given with a trailing separator is archived beside itself, not into itself.
  fs::create_directories(work() / "Photos");
  writeText(work() / "Photos/a.jpg", "jpeg");
  EXPECT_EQ(pick({"items", "--select", (work() / "Photos").string() + "/", "--pick", "0"}).status, 0);
  EXPECT_EQ(runProgram({"unzip", "-Z1", (work() / "Photos.zip").string()}).out, "Photos/\nPhotos/a.jpg\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(work() / "Photos"), fs::directory_iterator()), 1);
  EXPECT_EQ(recorder_.lines(), std::vector<std::string>{"reveal " + uri(work() / "Photos.zip")});
}

// Names people have: every Send to and New action does with them what it does with plain ones.
TEST_F(PickTest, EveryActionTakesTheNamesPeopleHave) {
  fs::create_directories(home() / "Documents");
  const std::string longest = std::string(251, 'x') + ".txt";  // 255 bytes, the most a name may have
  const std::vector<std::string> names = {"two  spaces 'single' \"double\".txt", "line\nbreak.txt", "-rf --help.txt",
                                          "bad\xff\xfe bytes.txt", "résumé 日本.txt", longest};
  for (const auto& name : names) {
    SCOPED_TRACE(::testing::PrintToString(name));
    const auto folder = work() / ("in " + std::string(name.size() > 100 ? "long" : name));
    fs::create_directories(folder);
    const auto item = folder / name;
    writeText(item, "contents");
    const auto base = name.substr(0, name.rfind('.'));
    // Items menu: [0] zip, [1] Desktop, [2] Desktop (create shortcut), [3] Documents.
    for (const char* tag : {"0", "1", "2", "3", "1"}) {
      const auto r = pick({"items", "--select", item.string(), "--pick", tag});
      EXPECT_EQ(r.status, 0) << tag << ": " << r.err;
    }
    // Unpacked by another archiver, the item comes back under its own name, byte for byte.
    const TemporaryFolder unpacked;
    EXPECT_EQ(runProgram({"bsdtar", "-xf", (folder / (base + ".zip")).string(), "-C", unpacked.path().string()}).status, 0);
    EXPECT_EQ(readText(unpacked / name), "contents");
    EXPECT_EQ(readText(home() / "Desktop" / name), "contents");
    EXPECT_EQ(readText(home() / "Documents" / name), "contents");
    const auto links = std::ranges::count_if(fs::directory_iterator(home() / "Desktop"),
                                             [&](const fs::directory_entry& e) { return e.is_symlink() && fs::read_symlink(e) == item; });
    EXPECT_EQ(links, 1);
    // The second copy to the Desktop is numbered; the name still fits.
    EXPECT_EQ(std::ranges::count_if(fs::directory_iterator(home() / "Desktop"),
                                    [&](const fs::directory_entry& e) { return !e.is_symlink() && readText(e.path()) == "contents"; }),
              2);
    // Container menu [0] Folder and [3] Text Document, twice each, inside the folder.
    for (const char* tag : {"0", "3", "0", "3"}) {
      EXPECT_EQ(pick({"container", "--target", folder.string(), "--pick", tag}).status, 0) << tag;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 6);
    for (const auto& e : fs::directory_iterator(home() / "Desktop")) fs::remove_all(e.path());
    for (const auto& e : fs::directory_iterator(home() / "Documents")) fs::remove_all(e.path());
  }
}

// A full disk: each action fails with the disk's error, leaves nothing half made and
// the source as it was.
TEST_F(PickTest, OnAFullDiskEveryActionFailsAndLeavesNothingHalfMade) {
  const SmallFileSystem disk(512 * 1024);
  if (!disk.mounted()) GTEST_SKIP() << disk.why();
  // The folder, the Desktop and Documents all on the small disk.
  for (const auto* name : {"work", "Desktop", "Documents"}) {
    fs::create_directory(disk / name);
    fs::remove_all(home() / name);
    fs::create_directory_symlink(disk / name, home() / name);
  }
  const auto report = work() / "report.bin";
  const auto contents = randomText(96 * 1024, 7);
  writeText(report, contents);
  disk.fill(16 * 1024);
  // Items menu: [0] zip, [1] Desktop, [3] Documents; container menu [2] Rich Text Document.
  const std::vector<std::vector<std::string>> picks = {{"items", "--select", report.string(), "--pick", "0"},
                                                       {"items", "--select", report.string(), "--pick", "1"},
                                                       {"items", "--select", report.string(), "--pick", "3"}};
  for (const auto& args : picks) {
    const auto r = pick(args);
    EXPECT_EQ(r.status, 1) << args[4];
    EXPECT_THAT(r.err, ::testing::HasSubstr("No space left on device")) << args[4];
  }
  disk.fill();
  const auto r = pick({"container", "--target", work().string(), "--pick", "2"});
  EXPECT_EQ(r.status, 1);
  EXPECT_THAT(r.err, ::testing::HasSubstr("No space left on device"));
  EXPECT_EQ(namesIn(work()), std::vector<std::string>{"report.bin"});
  EXPECT_TRUE(namesIn(home() / "Desktop").empty());
  EXPECT_TRUE(namesIn(home() / "Documents").empty());
  EXPECT_EQ(readText(report), contents);
}

// The world changing under a running pick: the source removed halfway through a
// copy, the folder an archive is for made read-only or removed while it is made.
// Each pick fails and leaves nothing half made, neither where it was going nor in
// its scratch folder.
TEST_F(PickTest, APickWhoseSourceOrFolderChangesMidwayFailsAndLeavesNothingHalfMade) {
  const TemporaryFolder scratch;
  const auto photos = work() / "photos";
  fs::create_directory(photos);
  for (unsigned i = 0; i < 3000; ++i) writeText(photos / ("img" + std::to_string(i) + ".jpg"), randomText(8 * 1024, i));
  // Starts the pick, waits until `started` says its work is under way, then does `meanwhile`.
  const auto pickMeanwhile = [&](const std::vector<std::string>& args, const std::function<bool()>& started,
                                 const std::function<void()>& meanwhile) {
    std::vector<std::string> argv = {builtProgram("nimbra-menu")};
    argv.insert(argv.end(), args.begin(), args.end());
    ChildProcess running(argv, world_.env({"DBUS_SESSION_BUS_ADDRESS=" + bus_.address(), "TMPDIR=" + scratch.path().string()}));
    for (int i = 0; i < 20000 && !started(); ++i) std::this_thread::sleep_for(50us);
    meanwhile();
    return running.waitForExit(std::chrono::minutes(1));
  };
  // Send to ▸ Desktop; the photos are deleted once their copy has begun.
  EXPECT_EQ(pickMeanwhile({"items", "--select", photos.string(), "--pick", "1"},
                          [&] { return fs::exists(home() / "Desktop/photos"); }, [&] { fs::remove_all(photos); }),
            1);
  EXPECT_TRUE(fs::is_empty(home() / "Desktop"));
  // Send to ▸ Compressed (zipped) folder; the folder turns read-only while the archive is made.
  fs::create_directories(work() / "album");
  for (unsigned i = 0; i < 3000; ++i) writeText(work() / "album" / ("img" + std::to_string(i) + ".jpg"), randomText(8 * 1024, i));
  if (ownMountNamespace() != 0) GTEST_SKIP() << "no mount namespace of its own for a read-only folder";
  EXPECT_EQ(pickMeanwhile({"items", "--select", (work() / "album").string(), "--pick", "0"},
                          [&] { return !fs::is_empty(scratch.path()); }, [&] { EXPECT_TRUE(makeReadOnly(work())); }),
            1);
  ::umount2(work().c_str(), MNT_DETACH);
  EXPECT_EQ(namesIn(work()), std::vector<std::string>{"album"});
  EXPECT_TRUE(fs::is_empty(scratch.path()));
  // Again, and this time the folder is deleted, album and all.
  EXPECT_EQ(pickMeanwhile({"items", "--select", (work() / "album").string(), "--pick", "0"},
                          [&] { return !fs::is_empty(scratch.path()); }, [&] { fs::remove_all(work()); }),
            1);
  EXPECT_FALSE(fs::exists(work()));
  EXPECT_TRUE(fs::is_empty(scratch.path()));
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
