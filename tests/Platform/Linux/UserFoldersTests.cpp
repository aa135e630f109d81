#include "nimbra/platform/UserFolders.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>

#include "TemporaryDirectory.h"

namespace nimbra::platform {
namespace {

namespace fs = std::filesystem;

// Sets environment variables for one test and puts the old values back.
class Environment {
 public:
  ~Environment() {
    for (const auto& [name, value] : saved_) {
      if (value) {
        ::setenv(name.c_str(), value->c_str(), 1);
      } else {
        ::unsetenv(name.c_str());
      }
    }
  }
  void set(const std::string& name, const char* value) {
    const char* old = std::getenv(name.c_str());
    saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    if (value) {
      ::setenv(name.c_str(), value, 1);
    } else {
      ::unsetenv(name.c_str());
    }
  }

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

class UserFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    env_.set("HOME", home().c_str());
    env_.set("XDG_CONFIG_HOME", nullptr);
  }
  fs::path home() const { return dir_.path() / "home"; }
  void writeUserDirs(const std::string& text, const fs::path& config = {}) const {
    const auto folder = config.empty() ? home() / ".config" : config;
    fs::create_directories(folder);
    std::ofstream(folder / "user-dirs.dirs") << text;
  }

  testing::TemporaryDirectory dir_;
  Environment env_;
};

TEST_F(UserFoldersTest, WithoutUserDirsTheFoldersAreInTheHome) {
  const auto folders = userFolders();
  EXPECT_EQ(folders.home, home());
  EXPECT_EQ(folders.desktop, home() / "Desktop");
  EXPECT_EQ(folders.documents, home() / "Documents");
}

TEST_F(UserFoldersTest, ReadsTheFoldersAsXdgUserDirsWritesThem) {
  writeUserDirs(
      "# This file is written by xdg-user-dirs-update\n"
      "XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n"
      "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
      "  XDG_DOCUMENTS_DIR = \"$HOME/Meine Dokumente/\"\n");
  auto folders = userFolders();
  EXPECT_EQ(folders.desktop, home() / "Schreibtisch");
  EXPECT_EQ(folders.documents, home() / "Meine Dokumente");

  // Absolute values, escapes; the last line for a key wins.
  writeUserDirs(
      "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
      "XDG_DESKTOP_DIR=\"/data/My \\\"Desk\\\"\"\n"
      "XDG_DOCUMENTS_DIR=\"/srv/docs\"\n");
  folders = userFolders();
  EXPECT_EQ(folders.desktop, "/data/My \"Desk\"");
  EXPECT_EQ(folders.documents, "/srv/docs");
}

TEST_F(UserFoldersTest, AFolderSetToTheHomeIsTheHome) {
  writeUserDirs("XDG_DESKTOP_DIR=\"$HOME\"\nXDG_DOCUMENTS_DIR=\"$HOME/\"\n");
  const auto folders = userFolders();
  EXPECT_EQ(folders.desktop, home());
  EXPECT_EQ(folders.documents, home());
}

TEST_F(UserFoldersTest, MalformedLinesAreIgnored) {
  writeUserDirs(
      "XDG_DESKTOP_DIR=$HOME/Unquoted\n"
      "XDG_DESKTOP_DIR=\"Relative\"\n"
      "XDG_DESKTOP_DIR=\"$HOME/Unterminated\n"
      "XDG_DESKTOP_DIRS=\"/wrong/key\"\n"
      "#XDG_DOCUMENTS_DIR=\"/commented\"\n"
      "XDG_DOCUMENTS_DIR=\"${HOME}/Braces\"\n");
  const auto folders = userFolders();
  EXPECT_EQ(folders.desktop, home() / "Desktop");
  EXPECT_EQ(folders.documents, home() / "Documents");
}

TEST_F(UserFoldersTest, UserDirsComeFromTheConfigHome) {
  writeUserDirs("XDG_DESKTOP_DIR=\"$HOME/Wrong\"\n");
  writeUserDirs("XDG_DESKTOP_DIR=\"$HOME/Right\"\n", dir_.path() / "config");
  env_.set("XDG_CONFIG_HOME", (dir_.path() / "config").c_str());
  EXPECT_EQ(userFolders().desktop, home() / "Right");
  env_.set("XDG_CONFIG_HOME", "relative/config");  // not absolute: ignored
  EXPECT_EQ(userFolders().desktop, home() / "Wrong");
}

TEST_F(UserFoldersTest, WithoutAnAbsoluteHomeThePasswordEntryIsTheHome) {
  const passwd* entry = ::getpwuid(::getuid());
  ASSERT_NE(entry, nullptr);
  env_.set("XDG_CONFIG_HOME", (dir_.path() / "config").c_str());
  env_.set("HOME", nullptr);
  EXPECT_EQ(userFolders().home, fs::path(entry->pw_dir));
  EXPECT_EQ(userFolders().desktop, fs::path(entry->pw_dir) / "Desktop");
  env_.set("HOME", "relative");
  EXPECT_EQ(userFolders().home, fs::path(entry->pw_dir));
}

}  // namespace
}  // namespace nimbra::platform
