#pragma once
// Serves New ▸ Alias: takes the folder the extension left in the shared settings
// (clearing it before asking), asks what the alias should open (a file or a folder),
// makes "X alias" there and shows it in the file manager.

class QWidget;

namespace nimbra::app {

struct AppServices;

// Does nothing when nothing is pending or the settings cannot be reached.
void runAliasMaker(const AppServices& services, QWidget* parent);

}  // namespace nimbra::app
