#include "nimbra/platform/linux/MainLoopScheduler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <future>
#include <thread>

#include "FakeSystemLog.h"

namespace nimbra::platform {
namespace {

using namespace std::chrono_literals;

class MainLoopSchedulerTest : public ::testing::Test {
 protected:
  std::shared_ptr<testing::FakeSystemLog> log_ = std::make_shared<testing::FakeSystemLog>();
  std::shared_ptr<MainLoopScheduler> scheduler_ = mainLoopScheduler(log_);
};

TEST_F(MainLoopSchedulerTest, MainWorkRunsOnALaterTurnInOrderDelayedWorkWhenDueAndFailuresAreLogged) {
  std::vector<std::string> main, delayed;
  scheduler_->afterDelay(60ms, [&] { delayed.push_back("60"); });
  scheduler_->afterDelay(10ms, [&] {
    delayed.push_back("10");
    scheduler_->afterDelay(10ms, [&] { delayed.push_back("10+10"); });
  });
  scheduler_->onMain([&] {
    main.push_back("1");
    scheduler_->onMain([&] { main.push_back("3"); });
    throw std::runtime_error("main broke");
  });
  scheduler_->onMain([&] { main.push_back("2"); });
  scheduler_->inBackground([] { throw 42; });
  EXPECT_TRUE(main.empty());
  scheduler_->runUntilIdle();
  EXPECT_EQ(main, (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(delayed, (std::vector<std::string>{"10", "10+10", "60"}));
  auto errors = log_->errors();
  std::ranges::sort(errors);
  EXPECT_EQ(errors, (std::vector<std::string>{"scheduled work failed", "scheduled work failed: main broke"}));
}

// The two jobs need each other, so they finish only if they run at once.
TEST_F(MainLoopSchedulerTest, RunUntilIdleWaitsForConcurrentBackgroundWorkAndWhatItPostsBack) {
  std::promise<void> first, second;
  std::atomic<bool> bothSaw{true};
  std::thread::id reported;
  scheduler_->inBackground([&] {
    first.set_value();
    bothSaw = bothSaw && second.get_future().wait_for(5s) == std::future_status::ready;
  });
  scheduler_->inBackground([&] {
    second.set_value();
    bothSaw = bothSaw && first.get_future().wait_for(5s) == std::future_status::ready;
    std::this_thread::sleep_for(30ms);
    // Posted back just before the background job ends: still waited for.
    scheduler_->onMain([&] {
      reported = std::this_thread::get_id();
      scheduler_->afterDelay(20ms, [&] { scheduler_->inBackground([] {}); });
    });
  });
  scheduler_->runUntilIdle();
  EXPECT_TRUE(bothSaw);
  EXPECT_EQ(reported, std::this_thread::get_id());
}

TEST_F(MainLoopSchedulerTest, DestroyingTheSchedulerWaitsForItsBackgroundWork) {
  std::atomic<bool> finished{false};
  scheduler_->inBackground([&] {
    std::this_thread::sleep_for(30ms);
    finished = true;
  });
  scheduler_.reset();
  EXPECT_TRUE(finished);
}

}  // namespace
}  // namespace nimbra::platform
