// nimbra-menu: prints the menu the file manager would show for a request, or
// picks one of its leaves. The menu is gathered as the extension gathers it:
// the shared settings, the installed applications and content types, and the
// extension's templates.

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <vector>

#include "Arguments.h"
#include "CommandLineHost.h"
#include "MenuPrinter.h"
#include "nimbra/extension/FinderSync.h"
#include "nimbra/extension/linux/SystemServices.h"
#include "nimbra/platform/linux/JournalLog.h"
#include "nimbra/platform/linux/MainLoopScheduler.h"
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

// Renders nothing; the pick only needs the numbered actions.
struct SilentMenu {
  using Menu = int;
  Menu makeMenu() { return 0; }
  void addSeparator(Menu&) {}
  void addAction(Menu&, const MenuNode::Action&, long) {}
  void addSubmenu(Menu&, const MenuNode::Submenu&, Menu) {}
};

// Builds the menu, picks the leaf and runs the main loop until every piece of
// work the pick started has ended.
int pick(const cli::Arguments& args, const std::vector<extension::SelectedItem>& selection) {
  auto scheduler = platform::mainLoopScheduler();
  auto host = std::make_shared<cli::CommandLineHost>();
  auto log = std::make_shared<cli::EchoingLog>(platform::journalLog("extension"), args.verbose);
  extension::FinderSync sync(SettingsStore::open(platform::openSharedSuite()), extension::systemExtensionEnvironment(),
                             extension::systemDispatcherServices(log, host, scheduler));
  SilentMenu silent;
  sync.menu(args.kind, selection, silent);

  std::optional<std::filesystem::path> target;
  if (args.target) target = *args.target;
  std::vector<std::filesystem::path> selected;
  for (const auto& item : selection) selected.push_back(item.url);
  sync.picked(*args.pick, std::move(target), std::move(selected));
  scheduler->runUntilIdle();
  return host->failed() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> raw(argv + 1, argv + argc);
  const auto args = cli::parseArguments(raw);
  if (!args) {
    std::fputs(cli::kUsage, stderr);
    return 2;
  }
  const auto selection = describe(args->selection);
  if (args->pick) return pick(*args, selection);

  extension::FinderSync sync(SettingsStore::open(platform::openSharedSuite()), extension::systemExtensionEnvironment());
  std::cout << cli::printMenu(sync, args->kind, selection, args->json);
  return 0;
}
