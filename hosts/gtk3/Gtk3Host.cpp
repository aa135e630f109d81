#include "Gtk3Host.h"

#include <gtk/gtk.h>

namespace nimbra::hosts {

void Gtk3Host::beep() {
  // A module loaded without a display (a test) has nothing to beep with.
  if (GdkDisplay* display = gdk_display_get_default()) gdk_display_beep(display);
}

platform::GObjectPtr<GAppLaunchContext> Gtk3Host::launchContext() const {
  GdkDisplay* display = gdk_display_get_default();
  return platform::GObjectPtr<GAppLaunchContext>(display ? G_APP_LAUNCH_CONTEXT(gdk_display_get_app_launch_context(display))
                                                         : nullptr);
}

}  // namespace nimbra::hosts
