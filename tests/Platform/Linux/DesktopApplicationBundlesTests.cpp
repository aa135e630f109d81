#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>

#include "TemporaryDirectory.h"
#include "nimbra/platform/ApplicationBundles.h"

namespace nimbra::platform {
namespace {

namespace fs = std::filesystem;

class DesktopApplicationBundlesTest : public ::testing::Test {
 protected:
  testing::TemporaryDirectory dir;
  const ApplicationBundles& bundles = *systemApplicationBundles();

  void SetUp() override {
    setenv("XDG_DATA_HOME", (dir.path() / "home").c_str(), 1);
    setenv("XDG_DATA_DIRS", (dir.path() / "system").c_str(), 1);
  }
  void TearDown() override {
    unsetenv("XDG_DATA_HOME");
    unsetenv("XDG_DATA_DIRS");
  }
  fs::path entry(const fs::path& relative, std::string_view type) const {
    const auto path = dir.path() / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "[Desktop Entry]\nType=" << type << "\nName=Some App\nExec=someapp %U\n";
    return path;
  }
};

TEST_F(DesktopApplicationBundlesTest, TheIdentifierIsTheDesktopFileID) {
  EXPECT_EQ(bundles.bundleIdentifier(entry("system/applications/org.gnome.gedit.desktop", "Application")), "org.gnome.gedit");
  EXPECT_EQ(bundles.bundleIdentifier(entry("home/applications/vendor/tools/edit.desktop", "Application")), "vendor-tools-edit");
  // Outside the applications folders only the file name counts.
  EXPECT_EQ(bundles.bundleIdentifier(entry("Downloads/vendor/code.desktop", "Application")), "code");
}

TEST_F(DesktopApplicationBundlesTest, AnythingButAnApplicationEntryHasNone) {
  EXPECT_FALSE(bundles.bundleIdentifier(entry("home/applications/site.desktop", "Link")));
  EXPECT_FALSE(bundles.bundleIdentifier(entry("notes/app.txt", "Application")));
  std::ofstream(dir.path() / "broken.desktop") << "Type=Application\n";
  EXPECT_FALSE(bundles.bundleIdentifier(dir.path() / "broken.desktop"));
  fs::create_directories(dir.path() / "folder.desktop");
  EXPECT_FALSE(bundles.bundleIdentifier(dir.path() / "folder.desktop"));
  EXPECT_FALSE(bundles.bundleIdentifier(dir.path() / "missing.desktop"));
}

}  // namespace
}  // namespace nimbra::platform
