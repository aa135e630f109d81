#include "nimbra/Uninstall.h"

#include <gtest/gtest.h>

#include "FakeExtensionSwitch.h"
#include "FileTesting.h"
#include "nimbra/platform/FileOperations.h"

namespace nimbra {
namespace {

TEST(Uninstall, SwitchesOffFirstAndRemovesTheSettingsOnlyWhenAskedAndSwitchedOff) {
  testing::TemporaryFolder home;
  const auto container = home / "K4W81H3Q06.ai.corvane.nimbra";
  auto& files = *platform::systemFileOperations();
  testing::FakeExtensionSwitch menus;
  for (const bool removeSettings : {false, true}) {
    std::filesystem::create_directories(container / "inside");
    menus.on = true;
    uninstall(menus, files, container, removeSettings);
    EXPECT_FALSE(menus.on);
    EXPECT_EQ(std::filesystem::exists(container), !removeSettings);
  }
  // Already gone: nothing to complain about. A switch that cannot be saved: nothing removed.
  uninstall(menus, files, container, true);
  std::filesystem::create_directories(container);
  menus.fails = true;
  EXPECT_THROW(uninstall(menus, files, container, true), platform::Failure);
  EXPECT_TRUE(std::filesystem::exists(container));
}

}  // namespace
}  // namespace nimbra
