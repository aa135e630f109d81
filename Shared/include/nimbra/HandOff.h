#pragma once
// The hand-off between the extension and the companion app, both halves. The
// extension cannot show a window: for three requests it stores a pending value in the
// shared settings, posts the request's notification, then opens the app. The app
// serves each request whether it was running (it hears the notification) or was
// launched by it (it finds the value at start), and clears the value before serving,
// so that a request is served once, whatever the user answers.

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

namespace nimbra {
class SettingsStore;
namespace platform { class Notifications; }
}  // namespace nimbra

namespace nimbra::handOff {

// Posted after a New item was made; no pending value.
inline constexpr std::string_view menuUsed = "ai.corvane.nimbra.menuUsed";
inline constexpr std::string_view openPreferences = "ai.corvane.nimbra.openPreferences";
inline constexpr std::string_view transfer = "ai.corvane.nimbra.transfer";
inline constexpr std::string_view makeAlias = "ai.corvane.nimbra.makeAlias";

// The three requests' notifications, in the order pending ones are served.
inline constexpr std::string_view requests[] = {openPreferences, makeAlias, transfer};

struct OpenPreferences {
  bool operator==(const OpenPreferences&) const = default;
};
// Make an alias in `folder`, to a target the user chooses.
struct MakeAlias {
  std::filesystem::path folder;
  bool operator==(const MakeAlias&) const = default;
};
// Copy or move `items` to a folder the user chooses.
struct Transfer {
  std::vector<std::filesystem::path> items;
  bool operator==(const Transfer&) const = default;
};
using Request = std::variant<OpenPreferences, MakeAlias, Transfer>;

// Sending half: stores the request's pending value in `store`, posts its notification,
// then calls `openApp`. Without a store only the preferences can be asked for, and
// nothing is stored. Throws SettingsStore::WriteFailed, before anything is posted,
// when the value cannot be stored: the app would find nothing.
void send(const Request& request, SettingsStore* store, platform::Notifications& notifications,
          const std::function<void()>& openApp);

// Receiving half, for a notification heard: the request it announces, its pending
// value taken from `store` (read, then cleared). Nothing when no value is pending or
// the name is no request's; the preferences are asked for with or without a store.
std::optional<Request> received(std::string_view notification, SettingsStore* store);

// The requests a launch left pending, taken from `store` in the order they are
// served: the preferences, an alias, a transfer.
std::vector<Request> takePending(SettingsStore& store);

}  // namespace nimbra::handOff
