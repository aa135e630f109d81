// The services on the session bus, on a private bus of each test's own: notifications
// and the file manager's reveal. The recorder, a separate process that listens for the
// exact path, interface and member and answers as the file manager, shows what went
// over the wire.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>


#include "BusRecording.h"
#include "FakeSystemLog.h"
#include "MainLoop.h"
#include "ManualScheduler.h"
#include "PrivateSessionBus.h"
#include "nimbra/HandOff.h"
#include "nimbra/platform/linux/BusNames.h"
#include "nimbra/platform/linux/FileDescriptors.h"
#include "nimbra/platform/linux/MainLoopScheduler.h"
#include "nimbra/platform/linux/ModulePresence.h"
#include "nimbra/platform/linux/SessionBusNotifications.h"
#include "nimbra/platform/linux/SessionFileManager.h"

namespace nimbra::platform {
namespace {

using namespace std::chrono_literals;
using Names = std::vector<std::string>;

int postFromAnotherProcess(const std::vector<std::string>& names) {
  std::vector<std::string> argv{testing::builtProgram("nimbra-bus-post")};
  argv.insert(argv.end(), names.begin(), names.end());
  return testing::ChildProcess(argv).waitForExit(5s);
}

class SessionBusTest : public ::testing::Test {
 protected:
  void SetUp() override { env_.set("DBUS_SESSION_BUS_ADDRESS", bus_.address().c_str()); }

  void reveal(const std::filesystem::path& item) {
    sessionFileManager(std::make_shared<SessionBus>(), log_, scheduler_)->reveal({item});
    scheduler_->runUntilIdle();
  }

  testing::ScopedEnvironment env_;
  testing::PrivateSessionBus bus_;
  std::shared_ptr<testing::FakeSystemLog> log_ = std::make_shared<testing::FakeSystemLog>();
  std::shared_ptr<Notifications> notifications_ = sessionBusNotifications(std::make_shared<SessionBus>(), log_);
  std::shared_ptr<MainLoopScheduler> scheduler_ = mainLoopScheduler(log_);
};

TEST_F(SessionBusTest, APostIsOneSignalCarryingTheNameThatSurvivesItsProcess) {
  testing::BusRecording recording(bus_.address());
  notifications_->post(handOff::transfer);
  // A short-lived process posts and exits at once, with no cleanup.
  ASSERT_EQ(postFromAnotherProcess({"n1", "n2"}), 0);
  ASSERT_TRUE(recording.waitFor("signal n2"));
  EXPECT_EQ(recording.lines(), (std::vector<std::string>{"signal ai.corvane.nimbra.transfer", "signal n1", "signal n2"}));
  EXPECT_TRUE(log_->lines().empty());
}

TEST_F(SessionBusTest, WithoutABusPostsAreDroppedAndLogged) {
  env_.set("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
  const auto unconnected = sessionBusNotifications(std::make_shared<SessionBus>(), log_);
  unconnected->post(handOff::openPreferences);
  EXPECT_EQ(log_->infos(), std::vector<std::string>{"notification ai.corvane.nimbra.openPreferences dropped: no session bus"});
}

TEST_F(SessionBusTest, ABusThatWentAwayIsReplacedByTheNextOne) {
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

TEST_F(SessionBusTest, ARevealShowsTheItemByItsFileURIAndIsWaitedFor) {
  testing::BusRecording fileManager(bus_.address());
  reveal("/tmp/new folder/Untitled #2.txt");
  reveal("/tmp/r\xc3\xa9sum\xc3\xa9.pdf");
  // The file manager records before it answers: no waiting here.
  EXPECT_EQ(fileManager.lines(), (std::vector<std::string>{"reveal file:///tmp/new%20folder/Untitled%20%232.txt",
                                                           "reveal file:///tmp/r%C3%A9sum%C3%A9.pdf"}));
  EXPECT_TRUE(log_->lines().empty());
}

TEST_F(SessionBusTest, ARevealWithoutAFileManagerOrBusIsOnlyLogged) {
  reveal("/tmp/a.txt");
  ASSERT_EQ(log_->infos().size(), 1u);
  EXPECT_TRUE(log_->infos()[0].starts_with("reveal /tmp/a.txt: no file manager: ")) << log_->infos()[0];

  env_.set("DBUS_SESSION_BUS_ADDRESS", nullptr);
  env_.set("XDG_RUNTIME_DIR", "/nonexistent");
  reveal("/tmp/b.txt");
  EXPECT_EQ(log_->infos().back(), "reveal /tmp/b.txt: no session bus");
  EXPECT_TRUE(log_->errors().empty());
}

TEST_F(SessionBusTest, RevealOnlySchedulesTheCall) {
  const auto manual = std::make_shared<testing::ManualScheduler>();
  sessionFileManager(std::make_shared<SessionBus>(), log_, manual)->reveal({"/tmp/a.txt"});
  EXPECT_EQ(manual->pendingBackground(), 1u);
  EXPECT_EQ(manual->pendingMain() + manual->pendingTimers(), 0u);
  EXPECT_TRUE(log_->lines().empty());
}

TEST_F(SessionBusTest, AListenerHearsOnlyItsNamesFromAnyProcess) {
  const auto listener = sessionBusListener(std::make_shared<SessionBus>());
  Names heard;
  listener->listen(handOff::transfer, [&] { heard.push_back("transfer"); });
  listener->listen(handOff::menuUsed, [&] { heard.push_back("menuUsed"); });
  ASSERT_EQ(postFromAnotherProcess({"ai.corvane.nimbra.openPreferences", "ai.corvane.nimbra.transfer"}), 0);
  notifications_->post(handOff::menuUsed);
  EXPECT_TRUE(testing::iterateUntil([&] { return heard.size() == 2; }));
  EXPECT_EQ(heard, (Names{"transfer", "menuUsed"}));
}

TEST_F(SessionBusTest, AModuleIsPresentWhenInstalledAndLoadedInTheFileManagerThatRuns) {
  testing::TemporaryFolder folder;
  const auto module = folder / "libnimbra-test.so";
  const auto presence = modulePresence({"Files", "x.desktop", "org.example.Files", module, {"true"}}, std::make_shared<SessionBus>());
  int changes = 0;
  presence->follow([&] { ++changes; });
  EXPECT_EQ(presence->presence(), (ExtensionPresence{false, false, false}));
  testing::writeText(module, "module");
  EXPECT_EQ(presence->presence(), (ExtensionPresence{true, false, false}));

  // Files here is this process, on a connection of its own.
  const auto files = SessionBus().connection();
  const auto own = [&](const char* name, const char* method) {
    GVariant* reply = g_dbus_connection_call_sync(files.get(), "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                  "org.freedesktop.DBus", method,
                                                  std::string(method) == "RequestName" ? g_variant_new("(su)", name, 4u)
                                                                                      : g_variant_new("(s)", name),
                                                  nullptr, G_DBUS_CALL_FLAGS_NONE, 2000, nullptr, nullptr);
    ASSERT_TRUE(reply);
    g_variant_unref(reply);
  };
  own("org.example.Files", "RequestName");
  EXPECT_TRUE(testing::iterateUntil([&] { return changes > 0; }));
  EXPECT_EQ(presence->presence(), (ExtensionPresence{true, true, false}));
  {
    // Loaded: the process maps the module's file.
    const FileDescriptor fd(::open(module.c_str(), O_RDONLY | O_CLOEXEC));
    void* mapped = ::mmap(nullptr, 6, PROT_READ, MAP_PRIVATE, fd.get(), 0);
    ASSERT_NE(mapped, MAP_FAILED);
    EXPECT_EQ(presence->presence(), (ExtensionPresence{true, true, true}));
    ::munmap(mapped, 6);
  }
  // Or the module announces itself from that process.
  const int before = changes;
  own(kExtensionBusName, "RequestName");
  EXPECT_TRUE(testing::iterateUntil([&] { return changes > before; }));
  EXPECT_EQ(presence->presence(), (ExtensionPresence{true, true, true}));
  own("org.example.Files", "ReleaseName");
  EXPECT_EQ(presence->presence(), (ExtensionPresence{true, false, false}));
}

}  // namespace
}  // namespace nimbra::platform
