#pragma once
// The app's look follows the desktop's light or dark style.

namespace nimbra::app {

// When GNOME prefers dark and the platform gave a light palette (Qt 6.4 does not
// follow GNOME's style by itself), switches to Fusion with a dark palette.
void followDesktopColorScheme();

}  // namespace nimbra::app
