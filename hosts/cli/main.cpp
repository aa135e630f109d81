// nimbra-menu: prints the menu the file manager would show for a request.

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <vector>

#include "Arguments.h"
#include "MenuPrinter.h"
#include "nimbra/extension/ExtensionResources.h"
#include "nimbra/extension/MenuBuilder.h"
#include "nimbra/extension/NewItemCreator.h"
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

MenuInputs defaultInputs(const cli::Arguments& args) {
  MenuInputs inputs;
  inputs.newItems = NewItem::builtIns();
  inputs.sendTo = SendToEntry::defaults();
  inputs.openWith = OpenWithEntry::defaults();
  inputs.canOpen = [](const NewItem&) { return false; };
  inputs.templateExists = [](std::string_view resource) {
    return extension::NewItemCreator::templateURL(resource).has_value();
  };
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
  const auto inputs = defaultInputs(*args);
  const auto nodes = extension::buildMenu(args->kind, &inputs, context);
  std::vector<MenuAction> actions;
  std::cout << (args->json ? cli::menuJson(nodes, actions) : cli::menuText(nodes, actions));
  return 0;
}
