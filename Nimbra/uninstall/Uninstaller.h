#pragma once
// Uninstall Nimbra…: asks first; then switches the menus off for this user (the
// module in Files goes inert at once, so nothing needs stopping), removes the shared
// settings when asked to, shows where the app is installed, and quits. Nothing the
// user did not ask for is deleted; the app never deletes itself.

class QWidget;

namespace nimbra::app {

struct AppServices;

// True when the user went ahead (and the app is quitting).
bool runUninstaller(const AppServices& services, QWidget* parent);

}  // namespace nimbra::app
