// Notifications on a private session bus, watched by an independent connection
// that checks what actually goes over the wire.

#include "nimbra/platform/linux/SessionBusNotifications.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "BusRecording.h"
#include "ChildProcess.h"
#include "FakeSystemLog.h"
#include "PrivateSessionBus.h"
#include "nimbra/HandOff.h"

namespace nimbra::platform {
namespace {

using namespace std::chrono_literals;
using testing::FakeSystemLog;

// Iterates the default main context until `done` or the timeout.
template <typename Done>
bool iterateUntil(Done done, std::chrono::milliseconds timeout = 5s) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    if (!g_main_context_iteration(nullptr, FALSE)) std::this_thread::sleep_for(1ms);
  }
  return true;
}

// A second client of the bus that records every Posted signal it sees.
class Listener {
 public:
  explicit Listener(const std::string& address) {
    connection_.reset(g_dbus_connection_new_for_address_sync(
        address.c_str(),
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, nullptr));
    // No path, interface or argument filter: a signal sent anywhere else would show.
    id_ = g_dbus_connection_signal_subscribe(
        connection_.get(), nullptr, nullptr, "Posted", nullptr, nullptr, G_DBUS_SIGNAL_FLAGS_NONE,
        [](GDBusConnection*, const gchar*, const gchar* path, const gchar* interface, const gchar*, GVariant* args,
           gpointer self) {
          gchar* text = g_variant_print(args, FALSE);
          static_cast<Listener*>(self)->seen.push_back(std::string(path) + " " + interface + " " + text);
          g_free(text);
        },
        this, nullptr);
    // A round trip: the bus has the match rule once it answers.
    g_variant_unref(g_dbus_connection_call_sync(connection_.get(), "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                "org.freedesktop.DBus", "GetId", nullptr, nullptr,
                                                G_DBUS_CALL_FLAGS_NONE, -1, nullptr, nullptr));
  }
  ~Listener() { g_dbus_connection_signal_unsubscribe(connection_.get(), id_); }

  std::vector<std::string> seen;
  static std::string wire(const std::string& name) {
    return "/ai/corvane/nimbra ai.corvane.nimbra.Notifications ('" + name + "',)";
  }

 private:
  Connection connection_;
  guint id_ = 0;
};

class SessionBusNotificationsTest : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("DBUS_SESSION_BUS_ADDRESS", bus_.address().c_str(), 1); }

  testing::PrivateSessionBus bus_;
  std::shared_ptr<FakeSystemLog> log_ = std::make_shared<FakeSystemLog>();
  std::shared_ptr<Notifications> notifications_ = sessionBusNotifications(std::make_shared<SessionBus>(), log_);
};

TEST_F(SessionBusNotificationsTest, PostIsOneBroadcastSignalCarryingTheName) {
  Listener listener(bus_.address());
  notifications_->post(handOff::transfer);
  notifications_->post("end");  // signals from one sender arrive in order
  ASSERT_TRUE(iterateUntil([&] { return listener.seen.size() >= 2; }));
  EXPECT_EQ(listener.seen, (std::vector{Listener::wire("ai.corvane.nimbra.transfer"), Listener::wire("end")}));
  EXPECT_TRUE(log_->lines().empty());
}

TEST_F(SessionBusNotificationsTest, ObserverGetsOnlyItsNameUntilDropped) {
  int transfers = 0;
  int ends = 0;
  auto observation = notifications_->observe(handOff::transfer, [&] { ++transfers; });
  const auto end = notifications_->observe("end", [&] { ++ends; });
  // Posted by another process, as the extension does for the app.
  testing::ChildProcess poster({std::string(std::getenv("NIMBRA_BIN_DIR")) + "/nimbra-bus-post",
                                std::string(handOff::makeAlias), std::string(handOff::transfer), "end"});
  ASSERT_EQ(poster.waitForExit(5s), 0);
  ASSERT_TRUE(iterateUntil([&] { return ends == 1; }));
  EXPECT_EQ(transfers, 1);

  observation.reset();
  notifications_->post(handOff::transfer);
  notifications_->post("end");
  ASSERT_TRUE(iterateUntil([&] { return ends == 2; }));
  EXPECT_EQ(transfers, 1);
}

TEST_F(SessionBusNotificationsTest, AHandlerThatThrowsIsLogged) {
  auto observation = notifications_->observe("boom", [] { throw std::runtime_error("no window"); });
  int ends = 0;
  const auto end = notifications_->observe("end", [&] { ++ends; });
  notifications_->post("boom");
  notifications_->post("end");
  ASSERT_TRUE(iterateUntil([&] { return ends == 1; }));
  EXPECT_EQ(log_->errors(), std::vector<std::string>{"notification boom: handler failed: no window"});
}

// A short-lived process posts and exits at once; the signal still arrives.
TEST_F(SessionBusNotificationsTest, APostSurvivesTheProcessExitingRightAfter) {
  testing::BusRecording recording(bus_.address());
  for (int i = 0; i < 5; ++i) {
    testing::ChildProcess poster({std::string(std::getenv("NIMBRA_BIN_DIR")) + "/nimbra-bus-post",
                                  "ai.corvane.nimbra.menuUsed", "n" + std::to_string(i)});
    ASSERT_EQ(poster.waitForExit(5s), 0);
  }
  ASSERT_TRUE(recording.waitFor("signal n4"));
  std::vector<std::string> expected;
  for (int i = 0; i < 5; ++i) {
    expected.push_back("signal ai.corvane.nimbra.menuUsed");
    expected.push_back("signal n" + std::to_string(i));
  }
  EXPECT_EQ(recording.lines(), expected);
}

TEST_F(SessionBusNotificationsTest, WithoutABusPostsAreDroppedAndLogged) {
  ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
  ::setenv("XDG_RUNTIME_DIR", "/nonexistent", 1);
  const auto unconnected = sessionBusNotifications(std::make_shared<SessionBus>(), log_);
  unconnected->post(handOff::openPreferences);
  const auto observation = unconnected->observe(handOff::menuUsed, [] {});
  EXPECT_TRUE(observation);

  ::setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus", 1);
  sessionBusNotifications(std::make_shared<SessionBus>(), log_)->post(handOff::transfer);

  EXPECT_EQ(log_->infos(), (std::vector<std::string>{
                               "notification ai.corvane.nimbra.openPreferences dropped: no session bus",
                               "notification ai.corvane.nimbra.menuUsed not observed: no session bus",
                               "notification ai.corvane.nimbra.transfer dropped: no session bus",
                           }));
}

TEST_F(SessionBusNotificationsTest, ABusThatWentAwayIsReplacedByTheNextOne) {
  notifications_->post("first");
  bus_.stop();
  notifications_->post("lost");  // logged, never fatal

  testing::PrivateSessionBus next;
  ::setenv("DBUS_SESSION_BUS_ADDRESS", next.address().c_str(), 1);
  Listener listener(next.address());
  ASSERT_TRUE(iterateUntil([&] {
    notifications_->post("again");
    return !listener.seen.empty();
  }));
  EXPECT_EQ(listener.seen.front(), Listener::wire("again"));
}

}  // namespace
}  // namespace nimbra::platform
