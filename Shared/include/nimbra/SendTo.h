#pragma once
// The Send to destinations and the Send to list entry.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "nimbra/Hashing.h"

namespace nimbra {

class SendToAction {
 public:
  enum Case : std::uint8_t { zip, desktopCopy, desktop, documents, otherFolder };

  constexpr SendToAction(Case c) : case_(c) {}
  constexpr operator Case() const { return case_; }

  static const std::array<SendToAction, 5> allCases;
  // Exact, case-sensitive match of a stored string.
  static std::optional<SendToAction> fromRawValue(std::string_view raw);
  std::string_view rawValue() const;
  std::string titleKey() const;

 private:
  Case case_;
};

inline constexpr std::array<SendToAction, 5> SendToAction::allCases = {zip, desktopCopy, desktop, documents,
                                                                       otherFolder};

struct SendToEntry {
  SendToAction action;
  bool enabled = true;

  bool operator==(const SendToEntry&) const = default;
  // Every action, enabled, in the order of allCases.
  static std::vector<SendToEntry> defaults();
};

}  // namespace nimbra

template <>
struct std::hash<nimbra::SendToAction> {
  std::size_t operator()(nimbra::SendToAction a) const noexcept { return static_cast<std::size_t>(a); }
};
template <>
struct std::hash<nimbra::SendToEntry> {
  std::size_t operator()(const nimbra::SendToEntry& e) const noexcept { return nimbra::hashAll(e.action, e.enabled); }
};
