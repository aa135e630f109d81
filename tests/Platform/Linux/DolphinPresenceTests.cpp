// Our plugin in Dolphin: on when installed and not switched off in Dolphin's
// context-menu settings, switched on there by taking it in, followed live.

#include "nimbra/platform/linux/DolphinPresence.h"

#include <gtest/gtest.h>
#include <glib.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "FileTesting.h"

namespace nimbra::platform {
namespace {

namespace fs = std::filesystem;

std::string text(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

TEST(DolphinPresence, OnUnlessItsSettingsSwitchItOffAndTakingItInSwitchesItOnKeepingTheRest) {
  testing::TemporaryFolder folder;
  const auto plugin = folder.path() / "kf5/kfileitemaction/nimbra-dolphin.so";
  const auto settings = folder.path() / "kservicemenurc";
  const auto dolphin = dolphinPresence(plugin, settings);
  EXPECT_EQ(dolphin->presence(), (ExtensionPresence{false, true, false}));

  fs::create_directories(plugin.parent_path());
  std::ofstream(plugin) << "plugin";
  EXPECT_EQ(dolphin->presence(), (ExtensionPresence{true, true, true}));  // no settings: on

  std::ofstream(settings) << "[Show]\ncompressfileitemaction=false\nnimbra-dolphin=false\n";
  EXPECT_EQ(dolphin->presence(), (ExtensionPresence{true, true, false}));
  EXPECT_EQ(dolphin->takesIn(), FileManagerPresence::TakesIn::bySwitchingOn);

  bool told = false;
  dolphin->follow([&] { told = true; });
  dolphin->takeIn();
  EXPECT_EQ(dolphin->presence(), (ExtensionPresence{true, true, true}));
  EXPECT_NE(text(settings).find("compressfileitemaction=false"), std::string::npos);
  for (int i = 0; i < 300 && !told; ++i) {
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(told);
}

}  // namespace
}  // namespace nimbra::platform
