#include "nimbra/platform/UserFolders.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include "FileTesting.h"

namespace nimbra::platform {
namespace {

namespace fs = std::filesystem;

class UserFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    env_.set("HOME", home.c_str());
    env_.set("XDG_CONFIG_HOME", nullptr);
  }
  void writeUserDirs(const std::string& text, const fs::path& config) const {
    fs::create_directories(config);
    testing::writeText(config / "user-dirs.dirs", text);
  }

  testing::TemporaryFolder dir_;
  testing::ScopedEnvironment env_;
  fs::path home = dir_ / "home";
};

TEST_F(UserFoldersTest, ReadsTheFoldersAsXdgUserDirsWritesThemAndIgnoresWhatItDoesNot) {
  struct Case {
    std::string userDirs;
    fs::path desktop, documents;
  };
  const Case cases[] = {
      {"", home / "Desktop", home / "Documents"},
      {"# written by xdg-user-dirs-update\nXDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
       "  XDG_DOCUMENTS_DIR = \"$HOME/Meine Dokumente/\"\n",
       home / "Schreibtisch", home / "Meine Dokumente"},
      // Absolute values, escapes; the last line for a key wins.
      {"XDG_DESKTOP_DIR=\"$HOME/Old\"\nXDG_DESKTOP_DIR=\"/data/My \\\"Desk\\\"\"\nXDG_DOCUMENTS_DIR=\"/srv/docs\"\n",
       "/data/My \"Desk\"", "/srv/docs"},
      {"XDG_DESKTOP_DIR=\"$HOME\"\nXDG_DOCUMENTS_DIR=\"$HOME/\"\n", home, home},  // disabled: the home itself
      {"XDG_DESKTOP_DIR=$HOME/Unquoted\nXDG_DESKTOP_DIR=\"Relative\"\nXDG_DESKTOP_DIR=\"$HOME/Unterminated\n"
       "XDG_DESKTOP_DIRS=\"/wrong/key\"\n#XDG_DOCUMENTS_DIR=\"/commented\"\nXDG_DOCUMENTS_DIR=\"${HOME}/Braces\"\n",
       home / "Desktop", home / "Documents"},
  };
  for (const auto& c : cases) {
    writeUserDirs(c.userDirs, home / ".config");
    const auto folders = userFolders();
    EXPECT_EQ(folders.home, home);
    EXPECT_EQ(folders.desktop, c.desktop) << c.userDirs;
    EXPECT_EQ(folders.documents, c.documents) << c.userDirs;
  }
}

TEST_F(UserFoldersTest, UserDirsComeFromAnAbsoluteConfigHomeAndTheHomeFromThePasswordEntryWhenNotAbsolute) {
  writeUserDirs("XDG_DESKTOP_DIR=\"$HOME/Wrong\"\n", home / ".config");
  writeUserDirs("XDG_DESKTOP_DIR=\"$HOME/Right\"\n", dir_ / "config");
  env_.set("XDG_CONFIG_HOME", (dir_ / "config").c_str());
  EXPECT_EQ(userFolders().desktop, home / "Right");
  env_.set("XDG_CONFIG_HOME", "relative/config");
  EXPECT_EQ(userFolders().desktop, home / "Wrong");

  const passwd* entry = ::getpwuid(::getuid());
  ASSERT_NE(entry, nullptr);
  env_.set("XDG_CONFIG_HOME", (dir_ / "none").c_str());
  for (const char* notAbsolute : {static_cast<const char*>(nullptr), "relative"}) {
    env_.set("HOME", notAbsolute);
    EXPECT_EQ(userFolders().home, fs::path(entry->pw_dir));
    EXPECT_EQ(userFolders().desktop, fs::path(entry->pw_dir) / "Desktop");
  }
}

}  // namespace
}  // namespace nimbra::platform
