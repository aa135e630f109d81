#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

#include "FakeContentTypes.h"
#include "FakeWorkspace.h"
#include "nimbra/CachingAppLocator.h"
#include "nimbra/NewItem.h"

namespace nimbra {
namespace {

using namespace std::chrono_literals;
using TimePoint = LookupClock::TimePoint;

// A clock the test moves by hand.
struct ManualClock {
  std::shared_ptr<std::atomic<double>> seconds = std::make_shared<std::atomic<double>>(0.0);
  LookupClock::Now now() const {
    return [s = seconds] {
      return TimePoint(std::chrono::duration_cast<TimePoint::duration>(std::chrono::duration<double>(s->load())));
    };
  }
  void set(double s) { *seconds = s; }
};

class CachingAppLocatorTest : public ::testing::Test {
 protected:
  CachingAppLocatorTest() { base_->installed["org.example.A"] = AppLocation{"/apps/a.desktop", "A"}; }
  std::shared_ptr<testing::FakeWorkspace> base_ = std::make_shared<testing::FakeWorkspace>();
  ManualClock clock_;
  CachingAppLocator locator_{std::make_shared<WorkspaceAppLocator>(base_), {60s, clock_.now(), {}}};
};

TEST_F(CachingAppLocatorTest, EachAnswerIsFreshForLessThanAMinuteAfterItWasAsked) {
  EXPECT_EQ(locator_.applicationURL("org.example.A")->name, "A");
  clock_.set(30);
  EXPECT_FALSE(locator_.applicationURL("org.example.B"));
  base_->installed = {{"org.example.B", AppLocation{"/apps/b.desktop", "B"}}};  // A gone
  clock_.set(59.9);
  EXPECT_TRUE(locator_.applicationURL("org.example.A"));
  clock_.set(10);  // the clock went back: still fresh
  EXPECT_FALSE(locator_.applicationURL("org.example.B"));
  clock_.set(60);
  EXPECT_FALSE(locator_.applicationURL("org.example.A"));
  EXPECT_FALSE(locator_.applicationURL("org.example.B"));  // asked at 30
  EXPECT_EQ(base_->questions, 3);
}

TEST(LookupCache, TheLockIsNotHeldWhileAnAnswerIsComputed) {
  std::atomic<bool> entered{false}, release{false};
  LookupCache<bool> cache([&](std::string_view key) {
    entered = entered || key == "slow";
    while (key == "slow" && !release) std::this_thread::yield();
    return false;
  });
  std::thread waiting([&] { cache.value("slow"); });
  while (!entered) std::this_thread::yield();
  EXPECT_FALSE(cache.value("fast"));  // would deadlock if the slow lookup held the lock
  release = true;
  waiting.join();
}

TEST(LookupCacheInTheBackground, CallersNeverWaitAndWaitingKeysRefreshTogether) {
  ManualClock clock;
  // Background work queues here and runs only when the test says.
  auto queue = std::make_shared<std::vector<std::function<void()>>>();
  const auto runQueued = [&] {
    for (auto& work : std::exchange(*queue, {})) work();
  };
  int asked = 0;
  bool installed = true;
  auto cache = std::make_shared<LookupCache<bool>>(
      [&](std::string_view key) {
        ++asked;
        if (key == "broken") throw std::runtime_error("gone");
        return installed;
      },
      LookupOptions{60s, clock.now(), [queue](std::function<void()> work) { queue->push_back(std::move(work)); }});
  EXPECT_FALSE(cache->value("a", false));  // not known yet: the caller's answer
  EXPECT_FALSE(cache->value("a", false));
  EXPECT_FALSE(cache->value("b", false));
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(queue->size(), 1u);  // one piece of work for every waiting key
  runQueued();
  EXPECT_EQ(asked, 2);
  EXPECT_TRUE(cache->value("a", false));

  installed = false;
  clock.set(61);
  EXPECT_TRUE(cache->value("a", false));  // stale, served while it refreshes
  EXPECT_TRUE(cache->value("a", false));
  runQueued();
  EXPECT_EQ(asked, 3);
  EXPECT_FALSE(cache->value("a", false));

  // A refresh that fails is passed on, and the next lookup of its key tries again.
  cache->value("broken", false);
  EXPECT_THROW(runQueued(), std::runtime_error);
  cache->value("broken", false);
  EXPECT_EQ(queue->size(), 1u);
}

TEST(WorkspaceAppLocator, KnownAppsAreAlsoFoundUnderTheIdentifiersTheyInstallAs) {
  auto workspace = std::make_shared<testing::FakeWorkspace>();
  workspace->installed["org.gnome.Console"] = AppLocation{"/apps/org.gnome.Console.desktop", "Console"};
  workspace->installed["com.apple.Terminal"] = AppLocation{"/apps/com.apple.Terminal.desktop", "Terminal"};
  const WorkspaceAppLocator locator(workspace);
  EXPECT_EQ(locator.applicationURL("com.apple.Terminal")->name, "Terminal");  // its own identifier first
  workspace->installed.erase("com.apple.Terminal");
  EXPECT_EQ(locator.applicationURL("com.apple.Terminal")->name, "Console");
  EXPECT_FALSE(locator.applicationURL("com.microsoft.VSCode"));
}

TEST(ContentTypeOpeners, CachePerExtensionAndSkipUnknownTypes) {
  auto workspace = std::make_shared<testing::FakeWorkspace>();
  workspace->openedTypes = {"text/plain"};
  const ContentTypeOpeners openers(std::make_shared<testing::FakeContentTypes>(), workspace);
  const auto& catalogue = NewItem::builtIns();
  EXPECT_TRUE(openers.canOpen(catalogue[9]));    // txt
  EXPECT_TRUE(openers.canOpen(catalogue[9]));    // the same key, not asked again
  EXPECT_FALSE(openers.canOpen(catalogue[2]));   // docx: nobody opens it
  EXPECT_EQ(workspace->questions, 2);
  const NewItem unknown{"U", NewItemKind::Text{"", false}, "zzz", std::nullopt, std::nullopt, true, false};
  EXPECT_FALSE(openers.canOpen(unknown));
  EXPECT_EQ(workspace->questions, 2);
}

}  // namespace
}  // namespace nimbra
