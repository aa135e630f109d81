#include "DesktopSettings.h"

// GIO only here: its headers and Qt's `signals` keyword do not mix.
#include <gio/gio.h>

#include <string_view>

#include "nimbra/platform/linux/GioSupport.h"

namespace nimbra::app {
namespace {

using platform::GObjectPtr;

// The interface settings when the schema is installed and has `key`; g_settings_new
// aborts the process on a missing schema, so it is looked up first.
GObjectPtr<GSettings> interfaceSettings(const char* key) {
  GSettingsSchemaSource* source = g_settings_schema_source_get_default();
  if (!source) return nullptr;
  GSettingsSchema* schema = g_settings_schema_source_lookup(source, "org.gnome.desktop.interface", TRUE);
  if (!schema) return nullptr;
  GObjectPtr<GSettings> settings;
  if (g_settings_schema_has_key(schema, key)) settings.reset(g_settings_new_full(schema, nullptr, nullptr));
  g_settings_schema_unref(schema);
  return settings;
}

}  // namespace

bool desktopReducesMotion() {
  const auto settings = interfaceSettings("enable-animations");
  return settings && !g_settings_get_boolean(settings.get(), "enable-animations");
}

bool desktopPrefersDark() {
  const auto settings = interfaceSettings("color-scheme");
  if (!settings) return false;
  const auto scheme = platform::takeString(g_settings_get_string(settings.get(), "color-scheme"));
  return scheme == "prefer-dark";
}

}  // namespace nimbra::app
