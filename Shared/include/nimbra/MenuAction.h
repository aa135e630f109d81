#pragma once
// What a menu leaf does when picked.

#include <string>
#include <variant>

#include "nimbra/Hashing.h"
#include "nimbra/SendTo.h"

namespace nimbra {

struct MenuAction {
  struct Create {
    std::string itemID;
    bool operator==(const Create&) const = default;
  };
  struct SendTo {
    SendToAction action;
    bool operator==(const SendTo&) const = default;
  };
  struct OpenWith {
    std::string bundleID;
    bool operator==(const OpenWith&) const = default;
  };
  struct Customize { bool operator==(const Customize&) const = default; };
  struct FinishSetup { bool operator==(const FinishSetup&) const = default; };

  using Case = std::variant<Create, SendTo, OpenWith, Customize, FinishSetup>;
  Case value;

  template <class C>
    requires std::is_constructible_v<Case, C>
  MenuAction(C c) : value(std::move(c)) {}

  template <class C> const C* as() const { return std::get_if<C>(&value); }
  bool operator==(const MenuAction&) const = default;
};

// A short readable form, e.g. create(txt), sendTo(zip), openWith(com.x.Y).
std::string describe(const MenuAction& action);

}  // namespace nimbra

template <>
struct std::hash<nimbra::MenuAction> {
  std::size_t operator()(const nimbra::MenuAction& a) const noexcept;
};
