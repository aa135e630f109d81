#include "DesktopLook.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

#include "setup/DesktopSettings.h"

namespace nimbra::app {
namespace {

// Close to GNOME's dark style.
QPalette darkPalette() {
  QPalette p;
  const QColor window(0x30, 0x30, 0x30), base(0x24, 0x24, 0x24), text(0xF2, 0xF2, 0xF2), dim(0x8A, 0x8A, 0x8A);
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, window);
  p.setColor(QPalette::ToolTipBase, base);
  p.setColor(QPalette::ToolTipText, text);
  p.setColor(QPalette::PlaceholderText, dim);
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Button, QColor(0x3A, 0x3A, 0x3A));
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::BrightText, Qt::white);
  p.setColor(QPalette::Light, QColor(0x4A, 0x4A, 0x4A));
  p.setColor(QPalette::Midlight, QColor(0x40, 0x40, 0x40));
  p.setColor(QPalette::Mid, QColor(0x28, 0x28, 0x28));
  p.setColor(QPalette::Dark, QColor(0x1E, 0x1E, 0x1E));
  p.setColor(QPalette::Shadow, Qt::black);
  p.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xE4));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Link, QColor(0x78, 0xAE, 0xED));
  p.setColor(QPalette::LinkVisited, QColor(0xC0, 0x61, 0xCB));
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    p.setColor(QPalette::Disabled, role, dim);
  }
  return p;
}

}  // namespace

void followDesktopColorScheme() {
  if (!desktopPrefersDark() || QApplication::palette().color(QPalette::Window).lightness() < 128) return;
  QApplication::setStyle("Fusion");
  QApplication::setPalette(darkPalette());
}

}  // namespace nimbra::app
