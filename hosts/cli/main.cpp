// nimbra-menu: prints the menu the file manager would show for a request.

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

#include "Arguments.h"
#include "MenuPrinter.h"
#include "nimbra/SettingsStore.h"
#include "nimbra/extension/ExtensionResources.h"
#include "nimbra/extension/MenuBuilder.h"
#include "nimbra/platform/DefaultsSuite.h"
#include "nimbra/platform/GioContentTypes.h"
#include "nimbra/platform/Packages.h"

namespace {

using namespace nimbra;

struct NoApplications final : AppLocating {
  std::optional<AppLocation> applicationURL(std::string_view) const override { return std::nullopt; }
};

bool isFoldersOnly(const std::vector<std::string>& selection) {
  for (const auto& item : selection) {
    std::error_code ec;
    const std::filesystem::path path(item);
    if (!std::filesystem::is_directory(path, ec)) return false;
    if (platform::isPackageName(path.filename().native())) return false;
  }
  return true;
}

// The settings come from the shared store, as the extension reads them.
MenuInputs storeInputs(const SettingsStore& store, const cli::Arguments& args) {
  MenuInputs inputs;
  inputs.newItems = store.newItems();
  inputs.sendTo = store.sendTo();
  inputs.openWith = store.openWith();
  inputs.groupNewItems = store.boolForKey(settingsKey::groupNewItems);
  inputs.showUnopenableTypes = store.boolForKey(settingsKey::showUnopenableTypes);
  inputs.canOpen = [](const NewItem&) { return false; };
  inputs.templateExists = [](std::string_view) { return true; };
  inputs.locator = std::make_shared<NoApplications>();
  inputs.selectionIsFoldersOnly = isFoldersOnly(args.selection);
  return inputs;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> raw(argv + 1, argv + argc);
  const auto args = cli::parseArguments(raw);
  if (!args) {
    std::fputs(cli::kUsage, stderr);
    return 2;
  }
  const auto& resources = extension::ExtensionResources::shared();
  const extension::MenuContext context{resources.strings(), *platform::systemContentTypes()};
  // Without the store every kind gets the finish-setup menu.
  const auto store = SettingsStore::open(platform::openSharedSuite());
  std::optional<MenuInputs> inputs;
  if (store) inputs = storeInputs(*store, *args);
  const auto nodes = extension::buildMenu(args->kind, inputs ? &*inputs : nullptr, context);
  std::vector<MenuAction> actions;
  std::cout << (args->json ? cli::menuJson(nodes, actions) : cli::menuText(nodes, actions));
  return 0;
}
