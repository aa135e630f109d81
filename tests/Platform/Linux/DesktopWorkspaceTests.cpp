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
    ::setenv("XDG_DATA_HOME", dataHome_.c_str(), 1);
    ::setenv("XDG_DATA_DIRS", "/usr/share", 1);  // the MIME database; no applications we ask about
    ::setenv("LANGUAGE", "", 1);
    ::setenv("LC_ALL", "de_DE.UTF-8", 1);
  }
  static void TearDownTestSuite() { std::filesystem::remove_all(dataHome_); }

  static inline std::filesystem::path dataHome_;
  const Workspace& workspace_ = *systemWorkspace();
};

TEST_F(DesktopWorkspaceTest, FindsEntriesByIdentifierThenByKnownAppTable) {
  const auto direct = workspace_.applicationURL("org.example.Editor");
  ASSERT_TRUE(direct);
  EXPECT_EQ(direct->url, dataHome_ / "applications/org.example.Editor.desktop");
  EXPECT_EQ(direct->name, "Beispiel-Editor");  // localised Name

  const auto vscode = workspace_.applicationURL("com.microsoft.VSCode");
  ASSERT_TRUE(vscode);
  EXPECT_EQ(vscode->url.filename(), "code.desktop");
  const auto terminal = workspace_.applicationURL("com.apple.Terminal");
  ASSERT_TRUE(terminal);
  EXPECT_EQ(terminal->url.filename(), "org.gnome.Console.desktop");
}

TEST_F(DesktopWorkspaceTest, HiddenEntriesAndMissingProgramsAreNotInstalled) {
  EXPECT_FALSE(workspace_.applicationURL("dev.zed.Zed"));
  EXPECT_FALSE(workspace_.applicationURL("org.example.Missing"));
  EXPECT_FALSE(workspace_.applicationURL("com.apple.dt.Xcode"));
  EXPECT_FALSE(workspace_.applicationURL(""));
  EXPECT_FALSE(workspace_.applicationURL("../applications/code"));
}

TEST_F(DesktopWorkspaceTest, AppsForATypeComeFromTheirMimeType) {
  EXPECT_TRUE(workspace_.hasApplicationsOpening("application/x-nimbra-editable"));
  EXPECT_FALSE(workspace_.hasApplicationsOpening("application/x-nimbra-hidden"));
  EXPECT_FALSE(workspace_.hasApplicationsOpening("application/x-nimbra-nobody"));
}

}  // namespace
}  // namespace nimbra::platform
