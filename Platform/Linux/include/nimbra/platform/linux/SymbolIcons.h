#pragma once
// The system symbols the menus and the app show, and what freedesktop icon themes
// call them: the one table the Files module and the app both draw from. The app
// draws a name's symbolic form ("<name>-symbolic") in the colour of its text.

#include <array>
#include <string_view>
#include <utility>

namespace nimbra::platform {

inline constexpr std::array<std::pair<std::string_view, std::string_view>, 12> kSymbolIcons = {{
    {"doc.zipper", "package-x-generic"},
    {"desktopcomputer", "user-desktop"},
    {"menubar.dock.rectangle", "emblem-symbolic-link"},
    {"doc.text", "folder-documents"},
    {"folder", "folder"},
    {"paperplane", "mail-send"},
    {"arrow.up.forward.app", "document-open"},
    {"plus.circle", "document-new"},
    {"arrow.turn.up.right", "mail-forward"},
    {"arrow.triangle.2.circlepath", "view-refresh"},
    {"exclamationmark.triangle", "dialog-warning"},
    {"trash", "user-trash"},
}};

// The theme icon name of a symbol; empty when the table has none.
constexpr std::string_view symbolIconName(std::string_view symbol) {
  for (const auto& [name, icon] : kSymbolIcons) {
    if (name == symbol) return icon;
  }
  return {};
}

}  // namespace nimbra::platform
