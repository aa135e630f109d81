// Revealing through a FileManager1 service that the test itself runs on a
// private bus, served from the main loop that runUntilIdle() turns.

#include "nimbra/platform/linux/SessionFileManager.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "FakeSystemLog.h"
#include "nimbra/platform/linux/MainLoopScheduler.h"
#include "ManualScheduler.h"
#include "PrivateSessionBus.h"

namespace nimbra::platform {
namespace {

using namespace std::chrono_literals;
using testing::FakeSystemLog;

constexpr const char* kInterfaceXML = R"(<node>
  <interface name="org.freedesktop.FileManager1">
    <method name="ShowItems"><arg type="as" direction="in"/><arg type="s" direction="in"/></method>
  </interface>
</node>)";

// org.freedesktop.FileManager1 answering ShowItems a little later, or with an error.
class FileManagerService {
 public:
  struct Call {
    std::vector<std::string> uris;
    std::string startupID;
    bool operator==(const Call&) const = default;
  };

  FileManagerService(const std::string& address, bool fails) : fails_(fails) {
    connection_.reset(g_dbus_connection_new_for_address_sync(
        address.c_str(),
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, nullptr));
    node_ = g_dbus_node_info_new_for_xml(kInterfaceXML, nullptr);
    static const GDBusInterfaceVTable vtable{onCall, nullptr, nullptr, {}};
    g_dbus_connection_register_object(connection_.get(), "/org/freedesktop/FileManager1", node_->interfaces[0],
                                      &vtable, this, nullptr, nullptr);
    GVariant* reply = g_dbus_connection_call_sync(
        connection_.get(), "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
        g_variant_new("(su)", "org.freedesktop.FileManager1", 4u), nullptr, G_DBUS_CALL_FLAGS_NONE, -1, nullptr,
        nullptr);
    g_variant_unref(reply);
  }
  ~FileManagerService() { g_dbus_node_info_unref(node_); }

  std::vector<Call> calls;

 private:
  static void onCall(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*, GVariant* parameters,
                     GDBusMethodInvocation* invocation, gpointer data) {
    auto& self = *static_cast<FileManagerService*>(data);
    gchar** uris = nullptr;
    const gchar* startupID = nullptr;
    g_variant_get(parameters, "(^as&s)", &uris, &startupID);
    self.calls.push_back({{uris, uris + g_strv_length(uris)}, startupID});
    g_strfreev(uris);
    if (self.fails_) {
      g_dbus_method_invocation_return_dbus_error(invocation, "org.freedesktop.DBus.Error.Failed", "no window");
      return;
    }
    // Answer on a later turn of the loop, so the caller really waits for it.
    g_timeout_add(50, [](gpointer call) {
      g_dbus_method_invocation_return_value(static_cast<GDBusMethodInvocation*>(call), nullptr);
      return G_SOURCE_REMOVE;
    }, invocation);
  }

  Connection connection_;
  GDBusNodeInfo* node_ = nullptr;
  bool fails_;
};

class SessionFileManagerTest : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("DBUS_SESSION_BUS_ADDRESS", bus_.address().c_str(), 1); }

  std::shared_ptr<FileManager> fileManager(std::shared_ptr<SessionBus> bus = std::make_shared<SessionBus>()) {
    return sessionFileManager(std::move(bus), log_, scheduler_);
  }

  testing::PrivateSessionBus bus_;
  std::shared_ptr<FakeSystemLog> log_ = std::make_shared<FakeSystemLog>();
  std::shared_ptr<MainLoopScheduler> scheduler_ = mainLoopScheduler(log_);
};

TEST_F(SessionFileManagerTest, ShowsTheItemByItsFileURIAndIsWaitedFor) {
  FileManagerService service(bus_.address(), false);
  const auto reveal = fileManager();
  reveal->reveal("/tmp/new folder/Untitled #2.txt");
  reveal->reveal("/tmp/r\xc3\xa9sum\xc3\xa9.pdf");
  scheduler_->runUntilIdle();

  // The two calls run concurrently, so either may come first.
  ASSERT_EQ(service.calls.size(), 2u);
  std::vector<std::string> uris;
  for (const auto& call : service.calls) {
    EXPECT_EQ(call.startupID, "");
    ASSERT_EQ(call.uris.size(), 1u);
    uris.push_back(call.uris.front());
  }
  std::sort(uris.begin(), uris.end());
  EXPECT_EQ(uris, (std::vector<std::string>{"file:///tmp/new%20folder/Untitled%20%232.txt",
                                            "file:///tmp/r%C3%A9sum%C3%A9.pdf"}));
  EXPECT_TRUE(log_->lines().empty());
}

TEST_F(SessionFileManagerTest, AMissingOrFailingFileManagerIsOnlyLogged) {
  fileManager()->reveal("/tmp/a.txt");
  scheduler_->runUntilIdle();
  ASSERT_EQ(log_->infos().size(), 1u);
  EXPECT_TRUE(log_->infos()[0].starts_with("reveal /tmp/a.txt: no file manager: ")) << log_->infos()[0];

  FileManagerService service(bus_.address(), true);
  fileManager()->reveal("/tmp/b.txt");
  scheduler_->runUntilIdle();
  ASSERT_EQ(log_->infos().size(), 2u);
  EXPECT_EQ(log_->infos()[1], "reveal /tmp/b.txt: file manager failed: GDBus.Error:org.freedesktop.DBus.Error.Failed: no window");
  EXPECT_TRUE(log_->errors().empty());
}

TEST_F(SessionFileManagerTest, RevealOnlySchedulesTheCall) {
  const auto manual = std::make_shared<testing::ManualScheduler>();
  sessionFileManager(std::make_shared<SessionBus>(), log_, manual)->reveal("/tmp/a.txt");
  EXPECT_EQ(manual->pendingBackground(), 1u);
  EXPECT_EQ(manual->pendingMain() + manual->pendingTimers(), 0u);
  EXPECT_TRUE(log_->lines().empty());
}

TEST_F(SessionFileManagerTest, WithoutABusTheRevealIsLogged) {
  ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
  ::setenv("XDG_RUNTIME_DIR", "/nonexistent", 1);
  fileManager()->reveal("/tmp/a.txt");
  scheduler_->runUntilIdle();
  EXPECT_EQ(log_->infos(), std::vector<std::string>{"reveal /tmp/a.txt: no session bus"});
}

}  // namespace
}  // namespace nimbra::platform
