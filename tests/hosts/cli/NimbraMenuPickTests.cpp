// Picks from the terminal, end to end: a private home, settings and desktop
// entries whose programs record how they were started, and a private session
// bus with a recording file manager and notification listener.

#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include "BusRecording.h"
#include "CommandTestSupport.h"
#include "PrivateSessionBus.h"

namespace nimbra::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string fileURI(const fs::path& path) {
  std::string uri = "file://";
  for (const unsigned char c : path.string()) {
    if (std::isalnum(c) || std::string_view("/-._~").find(static_cast<char>(c)) != std::string_view::npos) {
      uri += static_cast<char>(c);
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", c);
      uri += escaped;
    }
  }
  return uri;
}

std::vector<std::string> readLines(const fs::path& file) {
  std::ifstream in(file);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Launched programs run on after the pick returns: wait for what they record.
std::vector<std::string> waitForLines(const fs::path& file, std::size_t count) {
  for (int i = 0; i < 500 && readLines(file).size() < count; ++i) std::this_thread::sleep_for(10ms);
  return readLines(file);
}

class PickTest : public ::testing::Test {
 protected:
  PickTest() {
    for (const auto* dir : {"Desktop", "Documents", "work", ".config", ".local/share/applications"}) {
      fs::create_directories(home() / dir);
    }
    writeScript(home() / "record-launch", "echo \"$0 $*\" >> \"" + launches().string() + "\"");
    installApp("code.desktop", "Code");
    installApp("ai.corvane.nimbra.desktop", "Nimbra");
    recorder_ = std::make_unique<BusRecording>(bus_.address(), env());
  }

  fs::path home() const { return home_.path(); }
  fs::path work() const { return home() / "work"; }
  fs::path launches() const { return home() / "launches"; }

  static void writeScript(const fs::path& path, const std::string& body) {
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    fs::permissions(path, fs::perms::owner_all);
  }

  void installApp(const std::string& desktopID, const std::string& name) {
    const auto apps = home() / ".local/share/applications";
    std::ofstream(apps / desktopID) << "[Desktop Entry]\nType=Application\nName=" << name << "\nExec="
                                    << (home() / "record-launch").string() << " " << desktopID << " %U\n";
  }

  std::vector<std::string> env() const {
    return {"HOME=" + home().string(),
            "XDG_CONFIG_HOME=" + (home() / ".config").string(),
            "XDG_DATA_HOME=" + (home() / ".local/share").string(),
            "XDG_DATA_DIRS=/nonexistent-nimbra:/usr/share",
            "DBUS_SESSION_BUS_ADDRESS=" + bus_.address(),
            "LANG=C.UTF-8",
            "LC_ALL=",
            "LANGUAGE="};
  }

  CommandResult pick(std::vector<std::string> args, std::vector<std::string> extraEnv = {}) {
    auto environment = env();
    for (const auto& extra : extraEnv) {
      const auto name = extra.substr(0, extra.find('=') + 1);
      std::erase_if(environment, [&](const std::string& e) { return e.starts_with(name); });
      environment.push_back(extra);
    }
    return runProgram(builtProgram("nimbra-menu"), args, environment);
  }

  std::vector<std::string> recorded() const { return recorder_->lines(); }
  std::vector<std::string> companionLaunches() const {
    std::vector<std::string> result;
    for (const auto& line : readLines(launches())) {
      if (line.find("ai.corvane.nimbra.desktop") != std::string::npos) result.push_back(line);
    }
    return result;
  }

  TempDir home_;
  PrivateSessionBus bus_;
  std::unique_ptr<BusRecording> recorder_;
};

TEST_F(PickTest, NewItemsLandInTheTargetTheSelectedFilesFolderOrAPackagesParent) {
  // Container menu: [0] Folder, [1] Alias, [2] Rich Text Document, [3] Text Document.
  auto r = pick({"container", "--target", work().string(), "--pick", "3"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto created = work() / "New Text Document.txt";
  EXPECT_TRUE(fs::is_regular_file(created));
  // The reveal and the signal travel separately; each arrives exactly once.
  auto events = recorded();
  std::ranges::sort(events);
  EXPECT_EQ(events, (std::vector<std::string>{"reveal " + fileURI(created), "signal ai.corvane.nimbra.menuUsed"}));

  std::ofstream(work() / "notes.md") << "x";
  fs::create_directories(work() / "Tool.app");
  EXPECT_EQ(pick({"container", "--select", (work() / "notes.md").string(), "--pick", "0"}).status, 0);
  EXPECT_EQ(pick({"container", "--select", (work() / "Tool.app").string(), "--pick", "0"}).status, 0);
  EXPECT_TRUE(fs::is_directory(work() / "New Folder"));
  EXPECT_TRUE(fs::is_directory(work() / "New Folder 2"));
  EXPECT_TRUE(fs::is_empty(work() / "Tool.app"));
  EXPECT_EQ(std::ranges::count(recorded(), "signal ai.corvane.nimbra.menuUsed"), 3);
}

TEST_F(PickTest, SendToMakesNumberedCopiesAliasesAndArchives) {
  const auto report = work() / "report.pdf";
  std::ofstream(report) << "%PDF";
  const auto select = std::vector<std::string>{"items", "--select", report.string(), "--pick"};
  auto pickLeaf = [&](const char* tag) {
    auto args = select;
    args.emplace_back(tag);
    const auto r = pick(args);
    EXPECT_EQ(r.status, 0) << r.err;
  };
  // Items menu: [0] zip, [1] Desktop, [2] Desktop (create shortcut), [3] Documents, [4] Another Folder.
  for (const char* tag : {"1", "1", "2", "2", "3", "0", "0"}) pickLeaf(tag);
  EXPECT_TRUE(fs::is_regular_file(home() / "Desktop/report.pdf"));
  EXPECT_TRUE(fs::is_regular_file(home() / "Desktop/report 2.pdf"));
  EXPECT_EQ(fs::read_symlink(home() / "Desktop/report.pdf alias"), report);
  EXPECT_EQ(fs::read_symlink(home() / "Desktop/report.pdf alias 2"), report);
  EXPECT_TRUE(fs::is_regular_file(home() / "Documents/report.pdf"));
  EXPECT_TRUE(fs::is_regular_file(work() / "report.zip"));
  EXPECT_TRUE(fs::is_regular_file(work() / "report 2.zip"));
  // A folder given with a trailing separator is archived beside itself, not into itself.
  fs::create_directories(work() / "Photos");
  std::ofstream(work() / "Photos/a.jpg") << "jpeg";
  EXPECT_EQ(pick({"items", "--select", (work() / "Photos").string() + "/", "--pick", "0"}).status, 0);
  EXPECT_TRUE(fs::is_regular_file(work() / "Photos.zip"));
  EXPECT_EQ(std::distance(fs::directory_iterator(work() / "Photos"), fs::directory_iterator()), 1);
  // Only the archives are revealed.
  EXPECT_EQ(recorded(), (std::vector<std::string>{"reveal " + fileURI(work() / "report.zip"),
                                                  "reveal " + fileURI(work() / "report 2.zip"),
                                                  "reveal " + fileURI(work() / "Photos.zip")}));
}

TEST_F(PickTest, HandOffsStoreThePendingValueBeforeTheSignalAndLaunchTheApp) {
  const auto a = work() / "a.txt";
  const auto b = work() / "b.txt";
  std::ofstream(a) << "a";
  std::ofstream(b) << "b";
  ASSERT_EQ(pick({"container", "--target", work().string(), "--pick", "1"}).status, 0);
  ASSERT_TRUE(recorder_->waitFor("pending pendingAliasFolder \"" + work().string() + "\""));
  ASSERT_EQ(pick({"items", "--select", a.string(), "--select", b.string(), "--pick", "4"}).status, 0);
  ASSERT_TRUE(recorder_->waitFor("pending pendingTransferItems [\"" + a.string() + "\",\"" + b.string() + "\"]"));
  ASSERT_EQ(pick({"toolbar", "--target", work().string(), "--pick", "5"}).status, 0);  // Customize Menus…
  ASSERT_TRUE(recorder_->waitFor("pending pendingOpenPreferences true"));

  EXPECT_EQ(recorded(), (std::vector<std::string>{
                            "signal ai.corvane.nimbra.makeAlias",
                            "pending pendingAliasFolder \"" + work().string() + "\"",
                            "signal ai.corvane.nimbra.transfer",
                            "pending pendingTransferItems [\"" + a.string() + "\",\"" + b.string() + "\"]",
                            "signal ai.corvane.nimbra.openPreferences",
                            "pending pendingOpenPreferences true",
                        }));
  EXPECT_EQ(waitForLines(launches(), 3).size(), 3u);
  EXPECT_EQ(companionLaunches().size(), 3u);
}

TEST_F(PickTest, WithoutAStoreFinishSetupStillOpensTheApp) {
  std::ofstream(home() / "blocked") << "a file where the settings folder should be";
  const auto r = pick({"sidebar", "--pick", "0"}, {"XDG_CONFIG_HOME=" + (home() / "blocked").string()});
  EXPECT_EQ(r.status, 0) << r.err;
  ASSERT_TRUE(recorder_->waitFor("signal ai.corvane.nimbra.openPreferences"));
  EXPECT_EQ(waitForLines(launches(), 1).size(), 1u);
  EXPECT_EQ(companionLaunches().size(), 1u);
}

TEST_F(PickTest, OpenWithLaunchesTheAppOnceForEachDistinctFolder) {
  const auto src = work() / "src";
  fs::create_directories(src);
  std::ofstream(work() / "a.txt") << "a";
  // Sidebar menu: [0] Visual Studio Code.
  const auto r = pick({"sidebar", "--select", (work() / "a.txt").string(), "--select", work().string(), "--select",
                       src.string(), "--pick", "0"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = waitForLines(launches(), 1);
  ASSERT_EQ(lines.size(), 1u);
  // GIO hands local folders over as paths or as file URIs, whichever the entry takes.
  auto launched = lines[0];
  for (std::size_t at; (at = launched.find("file://")) != std::string::npos;) launched.erase(at, 7);
  EXPECT_EQ(launched, (home() / "record-launch").string() + " code.desktop " + work().string() + " " + src.string());
}

TEST_F(PickTest, EveryReachableFailureHasItsMessageAndExitStatusOne) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const auto missing = home() / "gone" / "folder";
  const std::vector<Case> cases = {
      {{"container", "--pick", "3"}, "no folder or item txt"},
      {{"container", "--target", missing.string(), "--pick", "0"}, "create folder: "},
      {{"items", "--pick", "0"}, "send to: nothing selected"},
      {{"items", "--select", missing.string(), "--pick", "0"}, "send to zip: "},
      {{"items", "--select", missing.string(), "--pick", "1"}, "send to desktopCopy: "},
      {{"sidebar", "--pick", "0"}, "open with com.microsoft.VSCode: app or items missing"},
      {{"items", "--select", work().string(), "--pick", "7"}, "menu tag 7 out of range (6 actions)"},
  };
  for (const auto& c : cases) {
    const auto r = pick(c.args);
    EXPECT_EQ(r.status, 1) << c.message;
    EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << "expected " << c.message << "\ngot " << r.err;
    EXPECT_EQ(std::ranges::count(r.err, '\n'), 1) << r.err;  // one line, errors only
  }
  EXPECT_TRUE(recorded().empty());

  // --verbose adds the info lines.
  const auto verbose = pick({"items", "--pick", "0", "--verbose"});
  EXPECT_EQ(verbose.err, "FinderSync init\nperform sendTo(zip)\nsend to: nothing selected\n");
}

}  // namespace
}  // namespace nimbra::testing
