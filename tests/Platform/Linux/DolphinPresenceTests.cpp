// Our plugin in Dolphin: on when installed and not switched off in Dolphin's
// context-menu settings, switched on there by taking it in, followed live.

#include "nimbra/platform/linux/DolphinPresence.h"

#include <gtest/gtest.h>

#include <fstream>

#include "FileTesting.h"
#include "MainLoop.h"

namespace nimbra::platform {
namespace {

namespace fs = std::filesystem;

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
  EXPECT_NE(testing::readText(settings).find("compressfileitemaction=false"), std::string::npos);
  EXPECT_TRUE(testing::iterateUntil([&] { return told; }));
}

}  // namespace
}  // namespace nimbra::platform
