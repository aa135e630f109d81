#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>

#include "FileTesting.h"
#include "nimbra/platform/ApplicationBundles.h"

namespace nimbra::platform {
namespace {

namespace fs = std::filesystem;

// GIO reads the data dirs once per process: one world for every test, made before the first lookup.
class DesktopApplicationBundlesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    world = new testing::TemporaryFolder;
    setenv("XDG_DATA_HOME", (world->path() / "home").c_str(), 1);
    setenv("XDG_DATA_DIRS", (world->path() / "system").c_str(), 1);
    for (const auto* entry : {"system/applications/org.gnome.gedit.desktop", "home/applications/vendor/tools/edit.desktop",
                              "Downloads/vendor/code.desktop", "system/applications/code.desktop",
                              "system/applications/shadowed.desktop", "home/applications/shadowed.desktop"}) {
      write(entry, "Application");
    }
    write("home/applications/site.desktop", "Link");
    write("home/applications/notes.txt", "Application");
  }
  static void TearDownTestSuite() { delete world; }

  static void write(const fs::path& relative, std::string_view type) {
    const auto path = world->path() / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "[Desktop Entry]\nType=" << type << "\nName=Some App\nExec=true %U\n";
  }
  static fs::path at(const fs::path& relative) { return world->path() / relative; }

  static inline testing::TemporaryFolder* world = nullptr;
  const ApplicationBundles& bundles = *systemApplicationBundles();
};

TEST_F(DesktopApplicationBundlesTest, TheIdentifierIsTheDesktopFileIDTheLauncherFinds) {
  EXPECT_EQ(bundles.bundleIdentifier(at("system/applications/org.gnome.gedit.desktop")), "org.gnome.gedit");
  EXPECT_EQ(bundles.bundleIdentifier(at("home/applications/vendor/tools/edit.desktop")), "vendor-tools-edit");
  EXPECT_EQ(bundles.bundleIdentifier(at("home/applications/shadowed.desktop")), "shadowed");
}

TEST_F(DesktopApplicationBundlesTest, EntriesTheLauncherWouldNotStartAreNoApps) {
  // Outside the applications folders: its file name would bind the system's "code".
  EXPECT_FALSE(bundles.bundleIdentifier(at("Downloads/vendor/code.desktop")));
  // Shadowed by the user's own entry of the same identifier.
  EXPECT_FALSE(bundles.bundleIdentifier(at("system/applications/shadowed.desktop")));
  EXPECT_FALSE(bundles.bundleIdentifier(at("home/applications/site.desktop")));
  EXPECT_FALSE(bundles.bundleIdentifier(at("home/applications/notes.txt")));
  EXPECT_FALSE(bundles.bundleIdentifier(at("home/applications/missing.desktop")));
}

}  // namespace
}  // namespace nimbra::platform
