// Launches desktop entries whose programs write their arguments to a file. The
// companion app's own entry is launched by the CLI's pick tests.

#include "nimbra/platform/linux/DesktopLauncher.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <thread>
#include <utility>

#include "FileTesting.h"

namespace nimbra::platform {
namespace {

namespace fs = std::filesystem;
using namespace testing;

// A program that writes its arguments, one a line, to `output` once it ran.
void writeRecorder(const fs::path& program, const fs::path& output) {
  fs::create_directories(program.parent_path());
  writeText(program, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + output.string() + ".part' && mv '" + output.string() +
                         ".part' '" + output.string() + "'\n");
  fs::permissions(program, fs::perms::owner_all);
}

std::string waitForText(const fs::path& output) {
  for (int i = 0; i < 1000 && !fs::exists(output); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  return readText(output);
}

class DesktopLauncherTest : public ::testing::Test {
 protected:
  TemporaryFolder dir_;
};

// The failure's code and the item it names, or nothing when the call went through.
std::optional<std::pair<int, fs::path>> failureOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.operation(), Operation::launch);
    return std::pair(failure.code().value(), failure.path());
  }
  return std::nullopt;
}

TEST_F(DesktopLauncherTest, OpensTheFoldersWithTheEntryOrSaysWhyNot) {
  writeRecorder(dir_ / "editor", dir_ / "opened.out");
  writeText(dir_ / "editor.desktop", "[Desktop Entry]\nType=Application\nName=Editor\nExec=" + (dir_ / "editor").string() +
                                         " --new-window %U\n");
  const std::vector<fs::path> folders{dir_ / "my project #2", dir_ / "r\xc3\xa9sum\xc3\xa9"};
  EXPECT_EQ(failureOf([&] { desktopLauncher()->open(folders, {dir_ / "editor.desktop", "Editor"}); }), std::nullopt);
  // GIO hands local files to the program as paths, whatever the field code.
  EXPECT_EQ(waitForText(dir_ / "opened.out"), "--new-window\n" + folders[0].string() + "\n" + folders[1].string() + "\n");

  writeText(dir_ / "missing.desktop", "[Desktop Entry]\nType=Application\nName=Missing\nExec=" + (dir_ / "missing").string() + "\n");
  for (const auto* entry : {"gone.desktop", "missing.desktop"}) {
    EXPECT_EQ(failureOf([&] { desktopLauncher()->open({dir_.path()}, {dir_ / entry, "X"}); }), std::pair(ENOENT, dir_ / entry));
  }
}

TEST_F(DesktopLauncherTest, WithoutItsEntryTheCompanionAppStartsFromTheProgramOfTheBinarysPrefix) {
  // An installed module: <prefix>/lib/<arch>/nautilus/extensions-4/x.so with <prefix>/bin/nimbra.
  const auto module = dir_ / "usr/lib/x86_64-linux-gnu/nautilus/extensions-4/libnimbra.so";
  writeRecorder(dir_ / "usr/bin/nimbra", dir_ / "fallback.out");
  EXPECT_EQ(failureOf([&] { desktopLauncher(module, "org.example.NotInstalled.desktop")->openCompanionApp(); }), std::nullopt);
  EXPECT_EQ(waitForText(dir_ / "fallback.out"), "\n");

  // Outside a prefix nothing is found, whatever this machine has installed.
  const auto elsewhere = dir_ / "elsewhere/x";
  EXPECT_EQ(companionProgramFor(elsewhere), std::nullopt);
  EXPECT_EQ(failureOf([&] { desktopLauncher(elsewhere, "org.example.NotInstalled.desktop")->openCompanionApp(); }),
            std::pair(ENOENT, fs::path("org.example.NotInstalled.desktop")));
}

TEST_F(DesktopLauncherTest, TheCompanionProgramIsBesideTheBinaryFirstThenInItsPrefix) {
  const auto binary = dir_ / "prefix/lib/nautilus/x.so";
  EXPECT_EQ(companionProgramFor(binary), std::nullopt);
  fs::create_directories(dir_ / "prefix/bin");
  writeText(dir_ / "prefix/bin/nimbra", "#!/bin/sh\n");  // not executable: not a program
  EXPECT_EQ(companionProgramFor(binary), std::nullopt);
  fs::permissions(dir_ / "prefix/bin/nimbra", fs::perms::owner_all);
  EXPECT_EQ(companionProgramFor(binary), dir_ / "prefix/bin/nimbra");
  writeRecorder(dir_ / "prefix/lib/nautilus/nimbra", dir_ / "unused");
  EXPECT_EQ(companionProgramFor(binary), dir_ / "prefix/lib/nautilus/nimbra");
}

}  // namespace
}  // namespace nimbra::platform
