#pragma once
// What the desktop (GNOME) asks of every app's look: less motion, a dark scheme.
// Read afresh on each call; on a desktop without GNOME's settings, motion stays on
// and the scheme light.

namespace nimbra::app {

// org.gnome.desktop.interface enable-animations is off.
bool desktopReducesMotion();
// org.gnome.desktop.interface color-scheme is 'prefer-dark'.
bool desktopPrefersDark();

}  // namespace nimbra::app
