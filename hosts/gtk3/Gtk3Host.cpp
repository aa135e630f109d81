#include "Gtk3Host.h"

#include <gtk/gtk.h>

namespace nimbra::hosts {

Gtk3Host::Gtk3Host(bool asksOnEverySelection) : asksOnEverySelection_(asksOnEverySelection) {
  g_weak_ref_init(&window_, nullptr);
}

Gtk3Host::~Gtk3Host() { g_weak_ref_clear(&window_); }

void Gtk3Host::selectionChanged(std::vector<std::filesystem::path> items, GObject* window) {
  HostSession::selectionChanged(std::move(items), window);
  GtkWidget* top = window && GTK_IS_WIDGET(window) ? gtk_widget_get_toplevel(GTK_WIDGET(window)) : nullptr;
  g_weak_ref_set(&window_, top && GTK_IS_WINDOW(top) ? top : nullptr);
}

void Gtk3Host::beep() {
  // A module loaded without a display (a test) has nothing to beep with.
  if (GdkDisplay* display = gdk_display_get_default()) gdk_display_beep(display);
}

platform::GObjectPtr<GAppLaunchContext> Gtk3Host::launchContext() const {
  GdkDisplay* display = gdk_display_get_default();
  return platform::GObjectPtr<GAppLaunchContext>(display ? G_APP_LAUNCH_CONTEXT(gdk_display_get_app_launch_context(display))
                                                         : nullptr);
}

bool Gtk3Host::fileManagerIsFrontmost() {
  const platform::GObjectPtr<GObject> window(static_cast<GObject*>(g_weak_ref_get(&window_)));
  return window && gtk_window_is_active(GTK_WINDOW(window.get()));
}

void Gtk3Host::pressRename() {
  const platform::GObjectPtr<GObject> window(static_cast<GObject*>(g_weak_ref_get(&window_)));
  if (window) gtk_accel_groups_activate(window.get(), GDK_KEY_F2, GdkModifierType(0));
}

}  // namespace nimbra::hosts
