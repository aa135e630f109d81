// The recorder that end-to-end tests use in place of the desktop: what the
// extension's services send arrives there, with the pending settings values.

#include <gtest/gtest.h>

#include <cstdlib>

#include "BusRecording.h"
#include "nimbra/platform/linux/MainLoopScheduler.h"
#include "PrivateSessionBus.h"
#include "TemporaryDirectory.h"
#include "nimbra/HandOff.h"
#include "nimbra/SettingsStore.h"
#include "nimbra/platform/FileManager.h"
#include "nimbra/platform/Notifications.h"

namespace nimbra {
namespace {

TEST(BusRecorderTest, RecordsRevealsAndHandOffsWithTheirPendingValues) {
  testing::PrivateSessionBus bus;
  testing::TemporaryDirectory config;
  ::setenv("DBUS_SESSION_BUS_ADDRESS", bus.address().c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
  testing::BusRecording recording(bus.address(), {"XDG_CONFIG_HOME=" + config.path().string()});

  auto store = SettingsStore::open(platform::openSharedSuite());
  ASSERT_TRUE(store);
  const auto notifications = platform::sessionBusNotifications(platform::journalLog("extension"));
  store->setPendingTransferItems({"/home/u/a b.txt", "/home/u/c"});
  notifications->post(handOff::transfer);
  store->setPendingAliasFolder("/home/u/Projects");
  notifications->post(handOff::makeAlias);
  notifications->post(handOff::openPreferences);  // the flag was never set
  // The recorder reads the value when the signal reaches it: wait before changing it.
  ASSERT_TRUE(recording.waitFor("pending pendingOpenPreferences false"));
  store->setBool(settingsKey::pendingOpenPreferences, true);
  notifications->post(handOff::openPreferences);
  notifications->post(handOff::menuUsed);

  const auto scheduler = platform::mainLoopScheduler();
  platform::sessionFileManager(platform::journalLog("test"), scheduler)->reveal("/home/u/a b.zip");
  scheduler->runUntilIdle();

  ASSERT_TRUE(recording.waitFor("signal ai.corvane.nimbra.menuUsed"));
  EXPECT_EQ(recording.lines(), (std::vector<std::string>{
                                   "signal ai.corvane.nimbra.transfer",
                                   R"(pending pendingTransferItems ["/home/u/a b.txt","/home/u/c"])",
                                   "signal ai.corvane.nimbra.makeAlias",
                                   R"(pending pendingAliasFolder "/home/u/Projects")",
                                   "signal ai.corvane.nimbra.openPreferences",
                                   "pending pendingOpenPreferences false",
                                   "signal ai.corvane.nimbra.openPreferences",
                                   "pending pendingOpenPreferences true",
                                   "signal ai.corvane.nimbra.menuUsed",
                                   // The reveal was answered before runUntilIdle() returned.
                                   "reveal file:///home/u/a%20b.zip",
                               }));
  EXPECT_EQ(recording.stop(), 0);
}

}  // namespace
}  // namespace nimbra
