#include "nimbra/HandOff.h"

#include <gtest/gtest.h>

#include "FakeDefaultsSuite.h"
#include "FakeDesktop.h"
#include "nimbra/SettingsStore.h"

namespace nimbra::handOff {
namespace {

using Names = std::vector<std::string>;

class HandOffTest : public ::testing::Test {
 protected:
  std::shared_ptr<testing::FakeDefaultsSuite> suite = std::make_shared<testing::FakeDefaultsSuite>();
  SettingsStore store{suite};
  testing::FakeNotifications notifications;
  Names events;

  // What the app would find now: each pending value, read without clearing.
  std::string pendingNow() const {
    return std::to_string(store.boolForKey(settingsKey::pendingOpenPreferences)) + " " +
           store.pendingAliasFolder().value_or("-").string() + " " + std::to_string(store.pendingTransferItems().size());
  }
  void send(const Request& request, SettingsStore* into) {
    handOff::send(request, into, notifications, [this] { events.push_back("open app, pending " + pendingNow()); });
  }
};

TEST_F(HandOffTest, TheValueIsStoredBeforeTheSignalAndTheAppOpensLast) {
  notifications.onPost = [this](std::string_view name) { events.push_back(std::string(name) + ", pending " + pendingNow()); };
  send(Transfer{{"/a", "/b"}}, &store);
  send(OpenPreferences{}, nullptr);  // without settings the window is still asked for
  EXPECT_EQ(events, (Names{"ai.corvane.nimbra.transfer, pending 0 - 2", "open app, pending 0 - 2",
                           "ai.corvane.nimbra.openPreferences, pending 0 - 2", "open app, pending 0 - 2"}));
  EXPECT_THROW(send(MakeAlias{"/x"}, nullptr), std::invalid_argument);
}

TEST_F(HandOffTest, AHeardRequestIsTakenAndClearedAndOnlyThePreferencesNeedNoValue) {
  store.setPendingAliasFolder("/home/u/Projects");
  store.setPendingTransferItems({"/a"});
  store.setBool(settingsKey::pendingOpenPreferences, true);
  EXPECT_EQ(received(makeAlias, &store), Request(MakeAlias{"/home/u/Projects"}));
  EXPECT_EQ(received(transfer, &store), Request(Transfer{{"/a"}}));
  EXPECT_EQ(received(openPreferences, &store), Request(OpenPreferences{}));
  EXPECT_EQ(pendingNow(), "0 - 0");
  // Heard again, or without settings: nothing to do, but the preferences are shown.
  EXPECT_EQ(received(makeAlias, &store), std::nullopt);
  EXPECT_EQ(received(transfer, nullptr), std::nullopt);
  EXPECT_EQ(received(openPreferences, &store), Request(OpenPreferences{}));
  EXPECT_EQ(received(openPreferences, nullptr), Request(OpenPreferences{}));
  EXPECT_EQ(received(menuUsed, &store), std::nullopt);
}

TEST_F(HandOffTest, ALaunchTakesEveryPendingRequestInServingOrderEvenWhenTheyCannotBeCleared) {
  EXPECT_TRUE(takePending(store).empty());
  store.setPendingTransferItems({"/a", "/b"});
  store.setPendingAliasFolder("/home/u");
  store.setBool(settingsKey::pendingOpenPreferences, true);
  suite->readOnly = true;  // served once now rather than never
  const std::vector<Request> served = {OpenPreferences{}, MakeAlias{"/home/u"}, Transfer{{"/a", "/b"}}};
  EXPECT_EQ(takePending(store), served);
  suite->readOnly = false;
  EXPECT_EQ(takePending(store), served);
  EXPECT_TRUE(takePending(store).empty());
}

}  // namespace
}  // namespace nimbra::handOff
