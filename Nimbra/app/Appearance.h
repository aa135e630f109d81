#pragma once
// The app looks like the desktop it runs on: GNOME's light or dark style
// (org.gnome.desktop.interface color-scheme) and its icon theme, followed live.

namespace nimbra::app::appearance {

// Sets the style, the palette and the icon theme, and keeps them in step with the
// desktop's settings. Call once, after the application object exists.
void followDesktop();

// The palette in use is a dark one.
bool isDark();

}  // namespace nimbra::app::appearance
