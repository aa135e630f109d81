#include "nimbra/HandOff.h"

#include <stdexcept>

#include "nimbra/SettingsStore.h"
#include "nimbra/Overloaded.h"
#include "nimbra/platform/Notifications.h"

namespace nimbra::handOff {
namespace {

// A value that cannot be cleared is served all the same: better twice than never.
template <class Clear>
void clearing(Clear clear) {
  try {
    clear();
  } catch (const SettingsStore::WriteFailed&) {
  }
}

std::optional<Request> take(std::string_view notification, SettingsStore& store) {
  if (notification == openPreferences) {
    if (!store.boolForKey(settingsKey::pendingOpenPreferences)) return std::nullopt;
    clearing([&] { store.setBool(settingsKey::pendingOpenPreferences, false); });
    return OpenPreferences{};
  }
  if (notification == makeAlias) {
    auto folder = store.pendingAliasFolder();
    if (!folder) return std::nullopt;
    clearing([&] { store.setPendingAliasFolder(std::nullopt); });
    return MakeAlias{std::move(*folder)};
  }
  if (notification == transfer) {
    auto items = store.pendingTransferItems();
    if (items.empty()) return std::nullopt;
    clearing([&] { store.setPendingTransferItems({}); });
    return Transfer{std::move(items)};
  }
  return std::nullopt;
}

}  // namespace

void send(const Request& request, SettingsStore* store, platform::Notifications& notifications,
          const std::function<void()>& openApp) {
  if (!store && !std::holds_alternative<OpenPreferences>(request)) {
    throw std::invalid_argument("hand-off: an alias or a transfer needs the settings");
  }
  const auto notification = std::visit(
      Overloaded{
          [&](const OpenPreferences&) {
            if (store) store->setBool(settingsKey::pendingOpenPreferences, true);
            return openPreferences;
          },
          [&](const MakeAlias& alias) {
            store->setPendingAliasFolder(alias.folder);
            return makeAlias;
          },
          [&](const Transfer& items) {
            store->setPendingTransferItems(items.items);
            return transfer;
          },
      },
      request);
  // The value first, then the signal, then the app: a running app hears of the
  // request, a freshly launched one finds it.
  notifications.post(notification);
  openApp();
}

std::optional<Request> received(std::string_view notification, SettingsStore* store) {
  if (store) {
    if (auto request = take(notification, *store)) return request;
  }
  if (notification == openPreferences) return OpenPreferences{};
  return std::nullopt;
}

std::vector<Request> takePending(SettingsStore& store) {
  std::vector<Request> pending;
  for (const auto notification : requests) {
    if (auto request = take(notification, store)) pending.push_back(std::move(*request));
  }
  return pending;
}

}  // namespace nimbra::handOff
