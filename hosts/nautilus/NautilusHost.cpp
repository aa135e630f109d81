#include "NautilusHost.h"

#include <dlfcn.h>
#include <gio/gio.h>

namespace nimbra::nautilus {

// The GTK 4 calls used, resolved in the host process.
struct NautilusHost::Gtk {
  void* (*displayGetDefault)();
  void (*displayBeep)(void* display);
  GAppLaunchContext* (*displayLaunchContext)(void* display);
  void* (*activeWindow)(void* application);
  int (*windowIsActive)(void* window);
  void* (*focus)(void* window);
  int (*activateAction)(void* widget, const char* name, GVariant* parameter);

  static const Gtk* find() {
    static const Gtk gtk{
        reinterpret_cast<void* (*)()>(::dlsym(RTLD_DEFAULT, "gdk_display_get_default")),
        reinterpret_cast<void (*)(void*)>(::dlsym(RTLD_DEFAULT, "gdk_display_beep")),
        reinterpret_cast<GAppLaunchContext* (*)(void*)>(::dlsym(RTLD_DEFAULT, "gdk_display_get_app_launch_context")),
        reinterpret_cast<void* (*)(void*)>(::dlsym(RTLD_DEFAULT, "gtk_application_get_active_window")),
        reinterpret_cast<int (*)(void*)>(::dlsym(RTLD_DEFAULT, "gtk_window_is_active")),
        reinterpret_cast<void* (*)(void*)>(::dlsym(RTLD_DEFAULT, "gtk_root_get_focus")),
        reinterpret_cast<int (*)(void*, const char*, GVariant*)>(::dlsym(RTLD_DEFAULT, "gtk_widget_activate_action_variant")),
    };
    const bool complete = gtk.displayGetDefault && gtk.displayBeep && gtk.displayLaunchContext && gtk.activeWindow &&
                          gtk.windowIsActive && gtk.focus && gtk.activateAction;
    return complete ? &gtk : nullptr;
  }
};

NautilusHost::NautilusHost() : gtk_(Gtk::find()) {}

void NautilusHost::beep() {
  if (!gtk_) return;
  if (void* display = gtk_->displayGetDefault()) gtk_->displayBeep(display);
}

platform::GObjectPtr<GAppLaunchContext> NautilusHost::launchContext() const {
  void* display = gtk_ ? gtk_->displayGetDefault() : nullptr;
  return platform::GObjectPtr<GAppLaunchContext>(display ? gtk_->displayLaunchContext(display) : nullptr);
}

bool NautilusHost::mayPressKeys() { return gtk_ != nullptr; }

void* NautilusHost::activeWindow() const {
  GApplication* application = g_application_get_default();
  return gtk_ && application ? gtk_->activeWindow(application) : nullptr;
}

bool NautilusHost::fileManagerIsFrontmost() {
  void* window = activeWindow();
  return window && gtk_->windowIsActive(window);
}

void NautilusHost::pressRename() {
  // The view's actions ("view.rename") are found from the widget with the focus
  // up, as a key press there would find them.
  void* window = activeWindow();
  if (void* focus = window ? gtk_->focus(window) : nullptr) gtk_->activateAction(focus, "view.rename", nullptr);
}

}  // namespace nimbra::nautilus
