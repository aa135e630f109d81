#include "nimbra/SendTo.h"

namespace nimbra {
namespace {
constexpr std::array<std::string_view, 5> kRawValues = {"zip", "desktopCopy", "desktop", "documents", "otherFolder"};
}

std::optional<SendToAction> SendToAction::fromRawValue(std::string_view raw) {
  for (const auto action : allCases) {
    if (action.rawValue() == raw) return action;
  }
  return std::nullopt;
}

std::string_view SendToAction::rawValue() const { return kRawValues[case_]; }

std::string SendToAction::titleKey() const { return "sendTo." + std::string(rawValue()); }

std::vector<SendToEntry> SendToEntry::defaults() {
  std::vector<SendToEntry> entries;
  for (const auto action : SendToAction::allCases) entries.push_back({action, true});
  return entries;
}

}  // namespace nimbra
