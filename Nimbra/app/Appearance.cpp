// GLib first: Qt's keyword macros (signals, slots) would break its headers.
#include <gio/gio.h>

#include "Appearance.h"

#include <QApplication>
#include <QIcon>
#include <QPalette>
#include <QStyleFactory>

namespace nimbra::app::appearance {
namespace {

constexpr char kInterface[] = "org.gnome.desktop.interface";

// Nothing outside GNOME: GSettings aborts on a schema it does not have.
GSettings* interfaceSettings() {
  GSettingsSchemaSource* source = g_settings_schema_source_get_default();
  GSettingsSchema* schema = source ? g_settings_schema_source_lookup(source, kInterface, TRUE) : nullptr;
  if (!schema) return nullptr;
  const bool usable = g_settings_schema_has_key(schema, "color-scheme") && g_settings_schema_has_key(schema, "icon-theme") &&
                      g_settings_schema_has_key(schema, "enable-animations");
  g_settings_schema_unref(schema);
  return usable ? g_settings_new(kInterface) : nullptr;
}

QString stringSetting(GSettings* settings, const char* key) {
  gchar* value = g_settings_get_string(settings, key);
  QString text = QString::fromUtf8(value);
  g_free(value);
  return text;
}

// Adwaita's colours, so the app sits beside GTK apps without standing out.
QPalette palette(bool dark) {
  const QColor window = dark ? QColor(0x24, 0x24, 0x24) : QColor(0xfa, 0xfa, 0xfa);
  const QColor text = dark ? QColor(0xff, 0xff, 0xff) : QColor(0x1e, 0x1e, 0x1e);
  QPalette p(dark ? QColor(0x3a, 0x3a, 0x3a) : QColor(0xf0, 0xf0, 0xf0), window);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::Base, dark ? QColor(0x1e, 0x1e, 0x1e) : QColor(0xff, 0xff, 0xff));
  p.setColor(QPalette::AlternateBase, dark ? QColor(0x2a, 0x2a, 0x2a) : QColor(0xf4, 0xf4, 0xf4));
  p.setColor(QPalette::ToolTipBase, dark ? QColor(0x38, 0x38, 0x38) : QColor(0xff, 0xff, 0xff));
  p.setColor(QPalette::ToolTipText, text);
  p.setColor(QPalette::PlaceholderText, dark ? QColor(0x9a, 0x9a, 0x9a) : QColor(0x77, 0x77, 0x77));
  p.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Link, dark ? QColor(0x78, 0xae, 0xed) : QColor(0x1c, 0x71, 0xd8));
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    p.setColor(QPalette::Disabled, role, dark ? QColor(0x6e, 0x6e, 0x6e) : QColor(0xa8, 0xa8, 0xa8));
  }
  return p;
}

void apply(GSettings* settings) {
  const bool dark = settings && stringSetting(settings, "color-scheme") == QLatin1String("prefer-dark");
  QApplication::setPalette(palette(dark));
  if (settings) {
    const QString theme = stringSetting(settings, "icon-theme");
    if (!theme.isEmpty() && theme != QIcon::themeName()) QIcon::setThemeName(theme);
  }
}

void changed(GSettings* settings, gchar*, gpointer) { apply(settings); }

// Kept for the life of the process: its "changed" signals are how the desktop tells us.
GSettings* desktopSettings() {
  static GSettings* const settings = interfaceSettings();
  return settings;
}

}  // namespace

void followDesktop() {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  GSettings* settings = desktopSettings();
  apply(settings);
  // Only the two keys the look follows: a new palette repaints every window.
  static const bool connected = settings &&
                                g_signal_connect(settings, "changed::color-scheme", G_CALLBACK(changed), nullptr) != 0 &&
                                g_signal_connect(settings, "changed::icon-theme", G_CALLBACK(changed), nullptr) != 0;
  (void)connected;
}

bool isDark(const QPalette& palette) { return palette.color(QPalette::Window).lightness() < 128; }
bool isDark() { return isDark(QApplication::palette()); }

bool reducesMotion() {
  GSettings* settings = desktopSettings();
  return settings && !g_settings_get_boolean(settings, "enable-animations");
}

}  // namespace nimbra::app::appearance
