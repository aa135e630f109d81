// The scheduler fake drives the timing rules of the extension's tests, so its
// clock and ordering must be right.

#include "ManualScheduler.h"

#include <gtest/gtest.h>

namespace nimbra::testing {
namespace {

using namespace std::chrono_literals;

TEST(ManualSchedulerTest, NothingRunsUntilAskedThenMainBackgroundAndTimersInOrder) {
  ManualScheduler scheduler;
  std::vector<std::string> ran;
  scheduler.afterDelay(200ms, [&] { ran.push_back("200"); });
  scheduler.afterDelay(100ms, [&] {
    ran.push_back("100");
    scheduler.afterDelay(100ms, [&] { ran.push_back("100+100"); });  // due with "200", set later
  });
  scheduler.inBackground([&] {
    ran.push_back("background");
    scheduler.onMain([&] { ran.push_back("reported"); });
  });
  scheduler.onMain([&] { ran.push_back("main"); });
  EXPECT_TRUE(ran.empty());
  EXPECT_EQ(scheduler.pendingTimers(), 2u);

  EXPECT_EQ(scheduler.runAll(), 6);
  EXPECT_EQ(ran, (std::vector<std::string>{"main", "background", "reported", "100", "200", "100+100"}));
  EXPECT_EQ(scheduler.delays, (std::vector<std::chrono::milliseconds>{200ms, 100ms, 100ms}));
  EXPECT_EQ(scheduler.now(), 200ms);
}

TEST(ManualSchedulerTest, TimersFireOneAtATimeAgainstItsOwnClock) {
  ManualScheduler scheduler;
  int attempts = 0;
  std::function<void()> attempt = [&] {
    if (++attempts < 12) scheduler.afterDelay(100ms, attempt);
  };
  scheduler.afterDelay(100ms, attempt);
  ASSERT_TRUE(scheduler.fireNextTimer());
  EXPECT_EQ(attempts, 1);
  EXPECT_EQ(scheduler.now(), 100ms);
  scheduler.runUntilIdle();
  EXPECT_EQ(attempts, 12);
  EXPECT_EQ(scheduler.now(), 1200ms);
  EXPECT_FALSE(scheduler.fireNextTimer());
}

TEST(ManualSchedulerTest, WorkThatNeverEndsIsReported) {
  ManualScheduler scheduler;
  std::function<void()> forever = [&] { scheduler.onMain(forever); };
  scheduler.onMain(forever);
  EXPECT_THROW(scheduler.runAll(100), std::runtime_error);
}

}  // namespace
}  // namespace nimbra::testing
