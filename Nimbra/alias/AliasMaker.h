#pragma once
// Serves New ▸ Alias: asks what the alias in the folder should open (a file or a
// folder), makes "X alias" there and shows it in the file manager.

#include <filesystem>

class QWidget;

namespace nimbra::app {

struct AppServices;

void runAliasMaker(const std::filesystem::path& folder, const AppServices& services, QWidget* parent);

}  // namespace nimbra::app
