// Runs against fixture desktop entries: the XDG data dirs are set before GIO
// first reads them, so this file is its own test program.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "nimbra/platform/Workspace.h"

namespace nimbra::platform {
namespace {

std::filesystem::path fixtures() {
  return std::filesystem::path(std::getenv("NIMBRA_SOURCE_DIR")) / "tests/Platform/Linux/fixtures";
}

class DesktopWorkspaceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // GIO answers "which apps open a type" from mimeinfo.cache, as update-desktop-database writes it.
    dataHome_ = std::filesystem::temp_directory_path() / ("nimbra-xdg-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dataHome_);
    std::filesystem::copy(fixtures() / "applications", dataHome_ / "applications");
    const auto command = "update-desktop-database " + (dataHome_ / "applications").string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    // The machine's MIME database, none of its applications.
    std::filesystem::create_directories(dataHome_ / "system");
    std::filesystem::create_directory_symlink("/usr/share/mime", dataHome_ / "system/mime");
    ::setenv("XDG_DATA_HOME", dataHome_.c_str(), 1);
    ::setenv("XDG_DATA_DIRS", (dataHome_ / "system").c_str(), 1);
    ::setenv("LANGUAGE", "", 1);
    ::setenv("LC_ALL", "de_DE.UTF-8", 1);
  }
  static void TearDownTestSuite() { std::filesystem::remove_all(dataHome_); }

  static inline std::filesystem::path dataHome_;
  const Workspace& workspace_ = *systemWorkspace();
};

TEST_F(DesktopWorkspaceTest, FindsEntriesByIdentifier) {
  const auto direct = workspace_.applicationURL("org.example.Editor");
  ASSERT_TRUE(direct);
  EXPECT_EQ(direct->url, dataHome_ / "applications/org.example.Editor.desktop");
  EXPECT_EQ(direct->name, "Beispiel-Editor");  // localised Name
  // "Name=" leaves the menus no words: the identifier names it.
  const auto nameless = workspace_.applicationURL("org.example.Nameless");
  ASSERT_TRUE(nameless);
  EXPECT_EQ(nameless->name, "org.example.Nameless");
}

TEST_F(DesktopWorkspaceTest, HiddenEntriesAndMissingProgramsAreNotInstalled) {
  EXPECT_FALSE(workspace_.applicationURL("dev.zed.Zed"));
  EXPECT_FALSE(workspace_.applicationURL("org.example.Missing"));
  EXPECT_FALSE(workspace_.applicationURL(""));
  EXPECT_FALSE(workspace_.applicationURL("../applications/code"));
}

TEST_F(DesktopWorkspaceTest, AppsForATypeAreThoseRegisteredForItOrAnAlias) {
  EXPECT_TRUE(workspace_.hasApplicationsOpening("application/x-nimbra-editable"));
  EXPECT_FALSE(workspace_.hasApplicationsOpening("application/x-nimbra-hidden"));
  EXPECT_FALSE(workspace_.hasApplicationsOpening("application/x-nimbra-nobody"));
  EXPECT_TRUE(workspace_.hasApplicationsOpening("application/zip"));
  EXPECT_TRUE(workspace_.hasApplicationsOpening("application/x-zip-compressed"));  // an alias of zip
  // Office documents are zip archives to the MIME database; an archive manager does not open them.
  EXPECT_FALSE(workspace_.hasApplicationsOpening("application/vnd.openxmlformats-officedocument.wordprocessingml.document"));
}

}  // namespace
}  // namespace nimbra::platform
