// Revealing through the recording file manager on a private bus.

#include "nimbra/platform/linux/SessionFileManager.h"

#include <gtest/gtest.h>

#include "BusRecording.h"
#include "FakeSystemLog.h"
#include "ManualScheduler.h"
#include "PrivateSessionBus.h"
#include "nimbra/platform/linux/MainLoopScheduler.h"

namespace nimbra::platform {
namespace {

class SessionFileManagerTest : public ::testing::Test {
 protected:
  void SetUp() override { env_.set("DBUS_SESSION_BUS_ADDRESS", bus_.address().c_str()); }

  void reveal(const std::filesystem::path& item) {
    sessionFileManager(std::make_shared<SessionBus>(), log_, scheduler_)->reveal(item);
    scheduler_->runUntilIdle();
  }

  testing::ScopedEnvironment env_;
  testing::PrivateSessionBus bus_;
  std::shared_ptr<testing::FakeSystemLog> log_ = std::make_shared<testing::FakeSystemLog>();
  std::shared_ptr<MainLoopScheduler> scheduler_ = mainLoopScheduler(log_);
};

TEST_F(SessionFileManagerTest, ShowsTheItemByItsFileURIAndIsWaitedFor) {
  testing::BusRecording fileManager(bus_.address());
  reveal("/tmp/new folder/Untitled #2.txt");
  reveal("/tmp/r\xc3\xa9sum\xc3\xa9.pdf");
  // The file manager records before it answers: no waiting here.
  EXPECT_EQ(fileManager.lines(), (std::vector<std::string>{"reveal file:///tmp/new%20folder/Untitled%20%232.txt",
                                                           "reveal file:///tmp/r%C3%A9sum%C3%A9.pdf"}));
  EXPECT_TRUE(log_->lines().empty());
}

TEST_F(SessionFileManagerTest, AMissingFileManagerOrBusIsOnlyLogged) {
  reveal("/tmp/a.txt");
  ASSERT_EQ(log_->infos().size(), 1u);
  EXPECT_TRUE(log_->infos()[0].starts_with("reveal /tmp/a.txt: no file manager: ")) << log_->infos()[0];

  env_.set("DBUS_SESSION_BUS_ADDRESS", nullptr);
  env_.set("XDG_RUNTIME_DIR", "/nonexistent");
  reveal("/tmp/b.txt");
  EXPECT_EQ(log_->infos().back(), "reveal /tmp/b.txt: no session bus");
  EXPECT_TRUE(log_->errors().empty());
}

TEST_F(SessionFileManagerTest, RevealOnlySchedulesTheCall) {
  const auto manual = std::make_shared<testing::ManualScheduler>();
  sessionFileManager(std::make_shared<SessionBus>(), log_, manual)->reveal("/tmp/a.txt");
  EXPECT_EQ(manual->pendingBackground(), 1u);
  EXPECT_EQ(manual->pendingMain() + manual->pendingTimers(), 0u);
  EXPECT_TRUE(log_->lines().empty());
}

}  // namespace
}  // namespace nimbra::platform
