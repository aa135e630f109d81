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
#include "nimbra/extension/MenuRendering.h"
#include "nimbra/extension/linux/SystemServices.h"
#include "nimbra/platform/linux/JournalLog.h"
#include "nimbra/platform/linux/MainLoopScheduler.h"
#include "nimbra/platform/FileOperations.h"

namespace {

using namespace nimbra;

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
  extension::FinderSync sync(extension::openExtensionSettings(*log), extension::systemExtensionEnvironment(),
                             extension::systemDispatcherServices(log, host, scheduler));
  std::vector<MenuAction> actions;
  SilentMenu silent;
  extension::render(silent, sync.menuNodes(args.kind, selection), actions);
  if (*args.pick < 0 || *args.pick >= static_cast<long>(actions.size())) {
    log->error("menu tag " + std::to_string(*args.pick) + " out of range (" + std::to_string(actions.size()) + " actions)");
    return 1;
  }

  std::optional<std::filesystem::path> target;
  if (args.target) target = *args.target;
  std::vector<std::filesystem::path> selected;
  for (const auto& item : selection) selected.push_back(item.url);
  sync.perform(actions[static_cast<std::size_t>(*args.pick)], std::move(target), std::move(selected));
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
  // Unlike the file manager, the terminal knows nothing of the items: the file system tells.
  std::vector<extension::SelectedItem> selection;
  for (const auto& path : args->selection) {
    selection.push_back(extension::SelectedItem::lookUp(path, *platform::systemFileOperations()));
  }
  if (args->pick) return pick(*args, selection);

  auto log = platform::journalLog("extension");
  extension::FinderSync sync(extension::openExtensionSettings(*log), extension::systemExtensionEnvironment(),
                             extension::systemDispatcherServices(log, std::make_shared<cli::CommandLineHost>(),
                                                                 platform::mainLoopScheduler()));
  std::cout << cli::printMenu(sync.menuNodes(args->kind, selection), args->json);
  return 0;
}
