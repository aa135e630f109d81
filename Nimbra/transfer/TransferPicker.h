#pragma once
// Serves Send to ▸ Another Folder…: takes the items the extension left in the
// shared settings (clearing them before asking), asks where to and whether to copy
// or move, does it, and shows the results in the file manager.

class QWidget;

namespace nimbra::app {

struct AppServices;

// Does nothing when nothing is pending or the settings cannot be reached.
void runTransferPicker(const AppServices& services, QWidget* parent);

}  // namespace nimbra::app
