// The user's switch as a flag file in the config home: asked afresh, or followed live.

#include "nimbra/platform/linux/WatchedExtensionSwitch.h"

#include <gtest/gtest.h>
#include "FileTesting.h"
#include "MainLoop.h"
#include "nimbra/platform/Failure.h"

namespace nimbra::platform {
namespace {

namespace fs = std::filesystem;

TEST(ExtensionSwitch, OffWhileItsFlagIsThereFollowedLiveByAHostAndAFailedSetIsThrown) {
  testing::TemporaryFolder config;
  testing::ScopedEnvironment env;
  env.set("XDG_CONFIG_HOME", config.path().c_str());
  const auto flag = extensionSwitchFile();
  EXPECT_EQ(flag, config / "ai.corvane.nimbra/extension-off");

  std::vector<bool> heard;
  const auto host = watchedExtensionSwitch([&](bool on) { heard.push_back(on); });
  const auto app = userExtensionSwitch();
  EXPECT_TRUE(app->isOn());
  EXPECT_TRUE(host->isOn());

  app->setOn(false);
  app->setOn(false);  // already off: no change, no error
  EXPECT_TRUE(fs::exists(flag));
  EXPECT_FALSE(app->isOn());
  ASSERT_TRUE(testing::iterateUntil([&] { return !heard.empty(); }));
  EXPECT_FALSE(host->isOn());
  app->setOn(true);
  EXPECT_FALSE(fs::exists(flag));
  ASSERT_TRUE(testing::iterateUntil([&] { return heard.size() >= 2; }));
  EXPECT_EQ(heard, (std::vector<bool>{false, true}));
  EXPECT_TRUE(host->isOn());

  // Something in the flag's place switches the menus off, and cannot be switched away.
  fs::create_directory(flag);
  EXPECT_FALSE(app->isOn());
  try {
    app->setOn(true);
    ADD_FAILURE() << "expected the failure";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.operation(), Operation::remove);
    EXPECT_EQ(failure.path(), flag);
  }
}

}  // namespace
}  // namespace nimbra::platform
