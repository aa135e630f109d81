// nimbra-menu: prints the menu the file manager would show for a request,
// gathered as the extension gathers it: the shared settings, the installed
// applications and content types, and the extension's templates.

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <vector>

#include "Arguments.h"
#include "MenuPrinter.h"
#include "nimbra/extension/FinderSync.h"
#include "nimbra/platform/DefaultsSuite.h"
#include "nimbra/platform/Packages.h"

namespace {

using namespace nimbra;

// Unlike the file manager, the terminal knows nothing of the items: ask the file system.
std::vector<extension::SelectedItem> describe(const std::vector<std::string>& paths) {
  std::vector<extension::SelectedItem> items;
  for (const auto& path : paths) {
    std::error_code ec;
    const std::filesystem::path url(path);
    const auto status = std::filesystem::status(url, ec);
    std::optional<bool> isDirectory;
    if (!ec) isDirectory = std::filesystem::is_directory(status);
    items.push_back({url, isDirectory, isDirectory.value_or(false) && platform::isPackageName(url.filename().native())});
  }
  return items;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> raw(argv + 1, argv + argc);
  const auto args = cli::parseArguments(raw);
  if (!args) {
    std::fputs(cli::kUsage, stderr);
    return 2;
  }
  extension::FinderSync sync(SettingsStore::open(platform::openSharedSuite()), extension::ExtensionEnvironment::system());
  std::cout << cli::printMenu(sync, args->kind, describe(args->selection), args->json);
  return 0;
}
