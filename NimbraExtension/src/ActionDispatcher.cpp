#include "nimbra/extension/ActionDispatcher.h"

#include "nimbra/HandOff.h"
#include "nimbra/NumberedNames.h"
#include "nimbra/SendToPerformer.h"
#include "nimbra/platform/PathNames.h"
#include "nimbra/extension/Zipper.h"

namespace nimbra::extension {
namespace {

namespace fs = std::filesystem;

template <class... Fs>
struct Overloaded : Fs... {
  using Fs::operator()...;
};

using platform::standardised;

// Absolute and standardised, so that "Photos/" and "Photos" both have the folder above them as parent.
fs::path located(const fs::path& item) {
  std::error_code ec;
  auto absolute = fs::absolute(item, ec);
  return standardised(ec ? item : absolute);
}

// The selection, else the folder the menu was opened on.
std::vector<fs::path> itemsOf(const std::optional<fs::path>& target, const std::vector<fs::path>& selection) {
  std::vector<fs::path> items;
  for (const auto& item : selection) items.push_back(located(item));
  if (items.empty() && target) items.push_back(located(*target));
  return items;
}

}  // namespace

ActionDispatcher::ActionDispatcher(DispatcherServices services) : services_(std::move(services)) {}

void ActionDispatcher::perform(const MenuAction& action, const std::optional<fs::path>& target,
                               const std::vector<fs::path>& selection, SettingsStore* settings) {
  services_.log->info("perform " + describe(action));
  std::visit(Overloaded{
                 [&](const MenuAction::Create& create) {
                   const auto folder = targetFolder(target, selection);
                   std::optional<NewItem> entry;
                   if (folder && settings) {
                     for (auto& item : settings->newItems()) {
                       if (item.id == create.itemID) {
                         entry = std::move(item);
                         break;
                       }
                     }
                   }
                   if (!entry) return fail("no folder or item " + create.itemID);
                   if (entry->kind.is<NewItemKind::Alias>()) {
                     // The pending value first, so a freshly launched app finds it.
                     settings->setPendingAliasFolder(*folder);
                     return handOff(handOff::makeAlias);
                   }
                   createInFolder(*entry, *folder, settings->boolForKey(settingsKey::renameNewItems));
                 },
                 [&](const MenuAction::SendTo& send) {
                   auto items = itemsOf(target, selection);
                   if (items.empty()) return fail("send to: nothing selected");
                   if (send.action != SendToAction::otherFolder) return sendInBackground(send.action, std::move(items));
                   if (!settings) return fail("send to folder: no settings store");
                   settings->setPendingTransferItems(items);
                   handOff(handOff::transfer);
                 },
                 [&](const MenuAction::OpenWith& open) { openWith(open.bundleID, itemsOf(target, selection)); },
                 [&](const auto&) {  // customize, finishSetup
                   if (settings) settings->setBool(settingsKey::pendingOpenPreferences, true);
                   handOff(handOff::openPreferences);
                 },
             },
             action.value);
}

std::optional<fs::path> ActionDispatcher::targetFolder(const std::optional<fs::path>& target,
                                                       const std::vector<fs::path>& selection) const {
  if (!target && selection.empty()) return std::nullopt;
  return folderOf(located(target ? *target : selection.front()));
}

fs::path ActionDispatcher::folderOf(const fs::path& item) const {
  return services_.files->isPlainFolder(item) ? item : item.parent_path();
}

void ActionDispatcher::fail(std::string_view message) {
  services_.log->error(message);
  services_.host->beep();
}

// The pending value is already stored; the signal and the launch go off the main
// loop (connecting to the bus or spawning may take a while), in that order.
void ActionDispatcher::handOff(std::string_view notification) {
  services_.scheduler->inBackground([this, name = std::string(notification)] {
    services_.notifications->post(name);
    if (auto error = services_.launcher->openCompanionApp()) {
      services_.scheduler->onMain([this, message = "open companion app: " + *error] { fail(message); });
    }
  });
}

void ActionDispatcher::createInFolder(const NewItem& item, const fs::path& folder, bool rename) {
  fs::path created;
  try {
    const NewItemCreator::Context context{*services_.strings, services_.templatesFolder, *services_.files};
    created = NewItemCreator::create(item, folder, services_.now(), context);
  } catch (const std::exception& error) {
    return fail("create " + item.id + ": " + error.what());
  }
  services_.fileManager->reveal(created);
  if (rename) {
    if (services_.host->mayPressKeys()) {
      renameAttempt(created, 1);
    } else {
      services_.log->info("rename: no permission to post events yet");
      services_.host->askToPressKeys();
    }
  }
  services_.scheduler->inBackground([notifications = services_.notifications] { notifications->post(handOff::menuUsed); });
}

// Presses rename only once the file manager shows exactly the new item selected.
void ActionDispatcher::renameAttempt(fs::path item, int attempt) {
  services_.scheduler->afterDelay(renameInterval, [this, item = std::move(item), attempt] {
    auto& host = *services_.host;
    if (host.fileManagerIsFrontmost()) {
      const auto selected = host.selectedItems();
      if (selected.size() == 1 && standardised(selected.front()) == standardised(item)) return host.pressRename();
    }
    if (attempt == renameAttempts) return services_.log->info("rename: Finder never selected just the new item");
    renameAttempt(item, attempt + 1);
  });
}

void ActionDispatcher::sendInBackground(SendToAction action, std::vector<fs::path> items) {
  services_.scheduler->inBackground([this, action, items = std::move(items)] {
    auto& files = *services_.files;
    try {
      const auto folders = services_.userFolders();
      std::vector<fs::path> results;
      switch (action) {
        case SendToAction::zip:
          results = {Zipper::zip(items, items.front().parent_path(), {files, *services_.processes, services_.archiver})};
          break;
        case SendToAction::desktopCopy: results = SendToPerformer::perform(items, folders.desktop, false, files); break;
        case SendToAction::documents: results = SendToPerformer::perform(items, folders.documents, false, files); break;
        case SendToAction::desktop: results = makeDesktopAliases(items, folders.desktop); break;
        case SendToAction::otherFolder: break;  // handed to the companion app, never sent from here
      }
      if (action == SendToAction::zip) {
        services_.scheduler->onMain([this, archive = results.front()] { services_.fileManager->reveal(archive); });
      }
    } catch (const std::exception& error) {
      auto message = "send to " + std::string(action.rawValue()) + ": " + error.what();
      services_.scheduler->onMain([this, message = std::move(message)] { fail(message); });
    }
  });
}

// "X alias", "X alias 2", ...: symbolic links to the items' absolute paths.
std::vector<fs::path> ActionDispatcher::makeDesktopAliases(const std::vector<fs::path>& items, const fs::path& desktop) {
  auto& files = *services_.files;
  std::vector<fs::path> aliases;
  for (const auto& item : items) {
    const auto alias = freeName(desktop, lastComponent(item) + " alias", "", files);
    files.createSymbolicLink(alias, fs::absolute(item).lexically_normal());
    aliases.push_back(alias);
  }
  return aliases;
}

void ActionDispatcher::openWith(const std::string& bundleID, const std::vector<fs::path>& items) {
  const auto app = services_.workspace->applicationURL(bundleID);
  if (!app || items.empty()) return fail("open with " + bundleID + ": app or items missing");

  std::vector<fs::path> folders;
  for (const auto& item : items) {
    auto folder = folderOf(item);
    if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(std::move(folder));
  }
  services_.scheduler->inBackground([this, bundleID, app = *app, folders = std::move(folders)] {
    if (auto error = services_.launcher->open(folders, app)) {
      services_.scheduler->onMain([this, message = "open with " + bundleID + ": " + *error] { fail(message); });
    }
  });
}

}  // namespace nimbra::extension
