#pragma once
// Serves Send to ▸ Another Folder…: asks where to and whether to copy or move the
// items, does it, and shows the results in the file manager.

#include <filesystem>
#include <vector>

class QWidget;

namespace nimbra::app {

struct AppServices;

void runTransferPicker(const std::vector<std::filesystem::path>& items, const AppServices& services, QWidget* parent);

}  // namespace nimbra::app
