// Notifications on a private session bus; the recorder, a separate process that
// listens for the exact path, interface and member, shows what went over the wire.

#include "nimbra/platform/linux/SessionBusNotifications.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "BusRecording.h"
#include "FakeSystemLog.h"
#include "PrivateSessionBus.h"
#include "nimbra/HandOff.h"

namespace nimbra::platform {
namespace {

using namespace std::chrono_literals;

// Iterates the default main context until `done` or the timeout.
template <typename Done>
bool iterateUntil(Done done) {
  const auto deadline = std::chrono::steady_clock::now() + 5s;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    if (!g_main_context_iteration(nullptr, FALSE)) std::this_thread::sleep_for(1ms);
  }
  return true;
}

int postFromAnotherProcess(const std::vector<std::string>& names) {
  std::vector<std::string> argv{testing::builtProgram("nimbra-bus-post")};
  argv.insert(argv.end(), names.begin(), names.end());
  return testing::ChildProcess(argv).waitForExit(5s);
}

class SessionBusNotificationsTest : public ::testing::Test {
 protected:
  void SetUp() override { env_.set("DBUS_SESSION_BUS_ADDRESS", bus_.address().c_str()); }

  testing::ScopedEnvironment env_;
  testing::PrivateSessionBus bus_;
  std::shared_ptr<testing::FakeSystemLog> log_ = std::make_shared<testing::FakeSystemLog>();
  std::shared_ptr<Notifications> notifications_ = sessionBusNotifications(std::make_shared<SessionBus>(), log_);
};

TEST_F(SessionBusNotificationsTest, APostIsOneSignalCarryingTheNameThatSurvivesItsProcess) {
  testing::BusRecording recording(bus_.address());
  notifications_->post(handOff::transfer);
  // A short-lived process posts and exits at once, with no cleanup.
  ASSERT_EQ(postFromAnotherProcess({"n1", "n2"}), 0);
  ASSERT_TRUE(recording.waitFor("signal n2"));
  EXPECT_EQ(recording.lines(), (std::vector<std::string>{"signal ai.corvane.nimbra.transfer", "signal n1", "signal n2"}));
  EXPECT_TRUE(log_->lines().empty());
}

TEST_F(SessionBusNotificationsTest, ObserversGetOnlyTheirNameUntilDroppedAndAThrowingOneIsLogged) {
  int transfers = 0;
  int ends = 0;
  auto observation = notifications_->observe(handOff::transfer, [&] { ++transfers; });
  const auto end = notifications_->observe("end", [&] { ++ends; });
  const auto boom = notifications_->observe("boom", [] { throw std::runtime_error("no window"); });
  ASSERT_EQ(postFromAnotherProcess({std::string(handOff::makeAlias), std::string(handOff::transfer), "boom", "end"}), 0);
  ASSERT_TRUE(iterateUntil([&] { return ends == 1; }));
  EXPECT_EQ(transfers, 1);
  EXPECT_EQ(log_->errors(), std::vector<std::string>{"notification boom: handler failed: no window"});

  observation.reset();
  notifications_->post(handOff::transfer);
  notifications_->post("end");
  ASSERT_TRUE(iterateUntil([&] { return ends == 2; }));
  EXPECT_EQ(transfers, 1);
}

TEST_F(SessionBusNotificationsTest, WithoutABusPostsAreDroppedAndObservingDoesNothingButBothAreLogged) {
  env_.set("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
  const auto unconnected = sessionBusNotifications(std::make_shared<SessionBus>(), log_);
  unconnected->post(handOff::openPreferences);
  EXPECT_TRUE(unconnected->observe(handOff::menuUsed, [] {}));
  EXPECT_EQ(log_->infos(), (std::vector<std::string>{
                               "notification ai.corvane.nimbra.openPreferences dropped: no session bus",
                               "notification ai.corvane.nimbra.menuUsed not observed: no session bus"}));
}

TEST_F(SessionBusNotificationsTest, ABusThatWentAwayIsReplacedByTheNextOne) {
  notifications_->post("first");
  bus_.stop();
  notifications_->post("lost");  // logged, never fatal

  testing::PrivateSessionBus next;
  env_.set("DBUS_SESSION_BUS_ADDRESS", next.address().c_str());
  testing::BusRecording recording(next.address());
  bool seen = false;
  for (int i = 0; i < 100 && !seen; ++i) {
    notifications_->post("again");
    seen = recording.waitFor("signal again", 50ms);
  }
  EXPECT_TRUE(seen);
}

}  // namespace
}  // namespace nimbra::platform
