#pragma once
// The setup window's colours and type sizes (device-independent pixels). Colours
// with a light and a dark variant follow the widget's palette: a dark window
// colour picks the dark one.

#include <QColor>
#include <QFont>
#include <QPalette>

#include "app/Appearance.h"

namespace nimbra::app::look {

using appearance::isDark;

struct Pair {
  QRgb light, dark;
  QColor in(const QPalette& palette) const { return QColor::fromRgb(isDark(palette) ? dark : light); }
};

inline constexpr Pair paneBackground{0xEEF2F8, 0x121826};
inline constexpr Pair menuBackground{0xF6F7FA, 0x282E3C};
inline constexpr Pair menuBorder{0xD5DCE8, 0x2A3346};
inline constexpr Pair selection{0x2E6BEB, 0x3F75EE};
inline constexpr Pair doneGreen{0x34C759, 0x30D158};
inline const QColor brand = QColor::fromRgbF(1.0f, 0.6196078431372549f, 0.10196078431372549f);

// The text colour at the weights of secondary and tertiary labels.
inline QColor primary(const QPalette& palette) { return palette.color(QPalette::WindowText); }
inline QColor secondary(const QPalette& palette) {
  QColor c = primary(palette);
  c.setAlphaF(isDark(palette) ? 0.55f : 0.5f);
  return c;
}
inline QColor tertiary(const QPalette& palette) {
  QColor c = primary(palette);
  c.setAlphaF(0.26f);
  return c;
}

enum class Style { largeTitle, title3, headline, callout, caption, menu, submenu };

inline QFont font(Style style, QFont base = {}) {
  switch (style) {
    case Style::largeTitle:
      base.setPixelSize(34);
      base.setWeight(QFont::Black);
      break;
    case Style::title3:
      base.setPixelSize(15);
      break;
    case Style::headline:
      base.setPixelSize(13);
      base.setWeight(QFont::DemiBold);
      break;
    case Style::callout:
      base.setPixelSize(12);
      break;
    case Style::caption:
      base.setPixelSize(10);
      break;
    case Style::menu:
      base.setPixelSize(13);
      break;
    case Style::submenu:
      base.setPixelSize(12);
      break;
  }
  return base;
}

// The file manager's, in the setup window's texts: "Files'", "Dolphin's".
inline QString possessive(const QString& name) { return name + (name.endsWith('s') ? "'" : "'s"); }

// A text naming the file manager: %1 its name, %2 its English possessive, which a
// translation may do without.
inline QString naming(QString text, const QString& name) { return text.replace("%2", possessive(name)).replace("%1", name); }

}  // namespace nimbra::app::look
