#pragma once
// The app looks like the desktop it runs on: GNOME's light or dark style
// (org.gnome.desktop.interface color-scheme) and its icon theme, followed live,
// and moves as little as the desktop asks.

class QPalette;

namespace nimbra::app::appearance {

// Sets the style, the palette and the icon theme, and keeps them in step with the
// desktop's settings. Call once, after the application object exists.
void followDesktop();

// The palette in use, or the given one, is a dark one.
bool isDark();
bool isDark(const QPalette& palette);

// GNOME's enable-animations is off; false on a desktop without GNOME's settings.
bool reducesMotion();

}  // namespace nimbra::app::appearance
