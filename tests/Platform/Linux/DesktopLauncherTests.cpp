// Launches fixture desktop entries whose programs write their arguments to a
// file. The XDG data dirs are set before GIO first reads them, so this file is
// its own test program.

#include "nimbra/platform/linux/DesktopLauncher.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "TemporaryDirectory.h"

namespace nimbra::platform {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

void writeFile(const fs::path& file, const std::string& text, fs::perms perms = fs::perms::owner_read | fs::perms::owner_write) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << text;
  fs::permissions(file, perms);
}

// A program that writes its arguments, one a line, to `output` once it ran.
void writeRecorder(const fs::path& program, const fs::path& output) {
  const auto part = output.string() + ".part";
  writeFile(program,
            "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + part + "' && mv '" + part + "' '" +
                output.string() + "'\n",
            fs::perms::owner_all);
}

std::vector<std::string> waitForLines(const fs::path& output) {
  const auto deadline = std::chrono::steady_clock::now() + 5s;
  while (!fs::exists(output) && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(5ms);
  std::ifstream in(output);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class DesktopLauncherTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    data_ = new testing::TemporaryDirectory;
    ::setenv("XDG_DATA_HOME", data_->path().c_str(), 1);
    ::setenv("XDG_DATA_DIRS", (data_->path() / "none").c_str(), 1);
    writeRecorder(data_->path() / "companion", data_->path() / "companion.out");
    writeFile(data_->path() / "applications/ai.corvane.nimbra.desktop",
              "[Desktop Entry]\nType=Application\nName=Nimbra\nExec=" + (data_->path() / "companion").string() +
                  " --from-entry\n");
  }
  static void TearDownTestSuite() { delete data_; }

  static inline testing::TemporaryDirectory* data_ = nullptr;
  testing::TemporaryDirectory dir_;
};

TEST_F(DesktopLauncherTest, OpensTheFoldersWithTheEntry) {
  const auto program = dir_.path() / "editor";
  writeRecorder(program, dir_.path() / "opened.out");
  writeFile(dir_.path() / "editor.desktop",
            "[Desktop Entry]\nType=Application\nName=Editor\nExec=" + program.string() + " --new-window %U\n");
  const std::vector<fs::path> folders{dir_.path() / "my project #2", dir_.path() / "r\xc3\xa9sum\xc3\xa9"};

  EXPECT_EQ(desktopLauncher()->open(folders, {dir_.path() / "editor.desktop", "Editor"}), std::nullopt);
  // GIO hands local files to the program as paths, whatever the field code.
  EXPECT_EQ(waitForLines(dir_.path() / "opened.out"),
            (std::vector<std::string>{"--new-window", folders[0], folders[1]}));
}

TEST_F(DesktopLauncherTest, SaysWhyAnEntryCouldNotBeOpened) {
  const auto launcher = desktopLauncher();
  EXPECT_EQ(launcher->open({dir_.path()}, {dir_.path() / "gone.desktop", "Gone"}),
            "no usable application entry at " + (dir_.path() / "gone.desktop").string());
  writeFile(dir_.path() / "missing.desktop",
            "[Desktop Entry]\nType=Application\nName=Missing\nExec=" + (dir_.path() / "missing").string() + " %F\n");
  EXPECT_EQ(launcher->open({dir_.path()}, {dir_.path() / "missing.desktop", "Missing"}),
            "no usable application entry at " + (dir_.path() / "missing.desktop").string());
}

TEST_F(DesktopLauncherTest, CompanionAppStartsFromItsDesktopEntry) {
  EXPECT_EQ(desktopLauncher()->openCompanionApp(), std::nullopt);
  EXPECT_EQ(waitForLines(data_->path() / "companion.out"), std::vector<std::string>{"--from-entry"});
}

TEST_F(DesktopLauncherTest, WithoutAnEntryTheProgramNearTheBinaryIsStarted) {
  // An installed module: <prefix>/lib/<arch>/nautilus/extensions-4/x.so with <prefix>/bin/nimbra.
  const auto module = dir_.path() / "usr/lib/x86_64-linux-gnu/nautilus/extensions-4/libnimbra.so";
  writeFile(module, "");
  writeRecorder(dir_.path() / "usr/bin/nimbra", dir_.path() / "fallback.out");
  EXPECT_EQ(desktopLauncher(module, "org.example.NotInstalled.desktop")->openCompanionApp(), std::nullopt);
  EXPECT_EQ(waitForLines(dir_.path() / "fallback.out"), std::vector<std::string>{});
  EXPECT_TRUE(fs::exists(dir_.path() / "fallback.out"));
}

TEST_F(DesktopLauncherTest, CompanionProgramIsBesideTheBinaryFirstThenInTheNearestBin) {
  const auto binary = dir_.path() / "prefix/lib/nautilus/x.so";
  writeFile(binary, "");
  EXPECT_EQ(companionProgramFor(binary), std::nullopt);
  // Not executable: not a program.
  writeFile(dir_.path() / "prefix/bin/nimbra", "#!/bin/sh\n");
  EXPECT_EQ(companionProgramFor(binary), std::nullopt);
  fs::permissions(dir_.path() / "prefix/bin/nimbra", fs::perms::owner_all);
  EXPECT_EQ(companionProgramFor(binary), dir_.path() / "prefix/bin/nimbra");
  writeFile(dir_.path() / "prefix/lib/nautilus/nimbra", "#!/bin/sh\n", fs::perms::owner_all);
  EXPECT_EQ(companionProgramFor(binary), dir_.path() / "prefix/lib/nautilus/nimbra");

  if (fs::exists("/bin/nimbra") || fs::exists(fs::temp_directory_path().parent_path() / "bin/nimbra")) return;
  const auto error = desktopLauncher(dir_.path() / "elsewhere/x", "org.example.NotInstalled.desktop")->openCompanionApp();
  EXPECT_EQ(error, "no org.example.NotInstalled.desktop and no nimbra program near " + (dir_.path() / "elsewhere/x").string());
}

}  // namespace
}  // namespace nimbra::platform
