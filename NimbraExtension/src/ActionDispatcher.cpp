#include "nimbra/extension/ActionDispatcher.h"

#include <algorithm>
#include <stdexcept>

#include "nimbra/Alias.h"
#include "nimbra/HandOff.h"
#include "nimbra/NumberedNames.h"
#include "nimbra/Overloaded.h"
#include "nimbra/SendToPerformer.h"
#include "nimbra/extension/NewItemCreator.h"
#include "nimbra/extension/SelectedItem.h"
#include "nimbra/extension/Zipper.h"
#include "nimbra/platform/Failure.h"
#include "nimbra/platform/PathNames.h"

namespace nimbra::extension {
namespace {

namespace fs = std::filesystem;

using platform::standardised;
// Background work holds the services it uses.
using Services = std::shared_ptr<const DispatcherServices>;

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

// The item itself when it is a plain folder, else the folder it is in.
fs::path folderOf(const fs::path& item, const platform::FileOperations& files) {
  return SelectedItem::lookUp(item, files).isPlainFolder() ? item : item.parent_path();
}

void fail(const Services& s, const std::string& message) {
  s->log->error(message);
  s->scheduler->onMain([s] { s->host->beep(); });
}

// Hands a request that needs a window to the companion app, launched on the main
// loop in the host's context. A value the store refuses ends the hand-off.
void handOffToApp(const Services& s, const std::string& context, const handOff::Request& request,
                  std::optional<SettingsStore>& settings) {
  const auto openApp = [s] {
    s->scheduler->onMain([s] {
      try {
        s->launcher->openCompanionApp();
      } catch (const platform::Failure& failure) {
        fail(s, std::string("open companion app: ") + failure.what());
      }
    });
  };
  try {
    handOff::send(request, settings ? &*settings : nullptr, *s->notifications, openApp);
  } catch (const SettingsStore::WriteFailed& error) {
    fail(s, context + ": " + error.what());
  }
}

// Presses rename only once the file manager shows exactly the new item selected.
void renameAttempt(const Services& s, fs::path item, int attempt) {
  s->scheduler->afterDelay(ActionDispatcher::renameInterval, [s, item = std::move(item), attempt] {
    auto& host = *s->host;
    if (host.fileManagerIsFrontmost()) {
      const auto selected = host.selectedItems();
      if (selected.size() == 1 && standardised(selected.front()) == standardised(item)) return host.pressRename();
    }
    if (attempt == ActionDispatcher::renameAttempts) {
      return s->log->info("rename: Files never selected just the new item");
    }
    renameAttempt(s, item, attempt + 1);
  });
}

void createInFolder(const Services& s, const NewItem& item, const fs::path& folder, bool rename) {
  fs::path created;
  try {
    const NewItemCreator::Context context{*s->strings, s->templatesFolder, *s->files};
    created = NewItemCreator::create(item, folder, s->now(), context);
  } catch (const std::exception& error) {
    return fail(s, "create " + item.id + ": " + error.what());
  }
  s->scheduler->onMain([s, created, rename] {
    // A host that renames the item through its own call shows it there.
    if (rename && s->host->renameDirectly(created)) return;
    s->fileManager->reveal({created});
    if (!rename) return;
    if (s->host->mayPressKeys()) return renameAttempt(s, created, 1);
    s->log->info("rename: no permission to post events yet");
    s->host->askToPressKeys();
  });
  s->notifications->post(handOff::menuUsed);
}

void create(const Services& s, const std::string& itemID, const std::optional<fs::path>& target,
            const std::vector<fs::path>& selection, std::optional<SettingsStore>& settings) {
  const auto folder = targetFolder(target, selection, *s->files);
  std::optional<NewItem> entry;
  if (folder && settings) {
    for (auto& item : settings->newItems()) {
      if (item.id == itemID) {
        entry = std::move(item);
        break;
      }
    }
  }
  if (!entry) return fail(s, "no folder or item " + itemID);
  if (entry->kind.is<NewItemKind::Alias>()) return handOffToApp(s, "alias", handOff::MakeAlias{*folder}, settings);
  createInFolder(s, *entry, *folder, settings->boolForKey(settingsKey::renameNewItems));
}

void zip(const Services& s, const std::vector<fs::path>& items) {
  const auto archive = Zipper::zip(items, items.front().parent_path(), {*s->files, *s->processes, s->archiver});
  if (!archive.leftOut.empty()) {
    std::string names;
    for (const auto& item : archive.leftOut) names += (names.empty() ? "" : ", ") + item.string();
    s->log->info("send to zip: left out what a zip archive cannot hold: " + names);
  }
  s->scheduler->onMain([s, location = archive.location] { s->fileManager->reveal({location}); });
}

void send(const Services& s, SendToAction action, const std::vector<fs::path>& items) {
  auto& files = *s->files;
  try {
    switch (action) {
      case SendToAction::zip: zip(s, items); break;
      case SendToAction::desktopCopy: SendToPerformer::perform(items, s->userFolders().desktop, false, files); break;
      case SendToAction::documents: SendToPerformer::perform(items, s->userFolders().documents, false, files); break;
      case SendToAction::desktop: {
        const auto desktop = s->userFolders().desktop;
        for (const auto& item : items) makeAlias(item, desktop, files);
        break;
      }
      case SendToAction::otherFolder: break;  // handed to the companion app, never sent from here
    }
  } catch (const std::exception& error) {
    fail(s, "send to " + std::string(action.rawValue()) + ": " + error.what());
  }
}

void openWith(const Services& s, const std::string& bundleID, const std::vector<fs::path>& items) {
  const auto app = s->apps->applicationURL(bundleID);
  if (!app || items.empty()) return fail(s, "open with " + bundleID + ": app or items missing");
  std::vector<fs::path> folders;
  for (const auto& item : items) {
    auto folder = folderOf(item, *s->files);
    if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(std::move(folder));
  }
  s->scheduler->inBackground([s, bundleID, folders = std::move(folders), app = *app] {
    try {
      s->launcher->open(folders, app);
    } catch (const platform::Failure& failure) {
      fail(s, "open with " + bundleID + ": " + failure.what());
    }
  });
}

void performInBackground(const Services& s, const MenuAction& action, const std::optional<fs::path>& target,
                         const std::vector<fs::path>& selection, std::optional<SettingsStore>& settings) {
  std::visit(Overloaded{
                 [&](const MenuAction::Create& c) { create(s, c.itemID, target, selection, settings); },
                 [&](const MenuAction::SendTo& sendTo) {
                   const auto items = itemsOf(target, selection);
                   if (items.empty()) return fail(s, "send to: nothing selected");
                   if (sendTo.action != SendToAction::otherFolder) {
                     return s->scheduler->inBackground([s, action = sendTo.action, items] { send(s, action, items); });
                   }
                   if (!settings) return fail(s, "send to folder: no settings store");
                   handOffToApp(s, "send to folder", handOff::Transfer{items}, settings);
                 },
                 [&](const MenuAction::OpenWith& open) { openWith(s, open.bundleID, itemsOf(target, selection)); },
                 [&](const auto&) {  // customize, finishSetup
                   handOffToApp(s, "open preferences", handOff::OpenPreferences{}, settings);
                 },
             },
             action.value);
}

}  // namespace

ActionDispatcher::ActionDispatcher(DispatcherServices services)
    : services_(std::make_shared<const DispatcherServices>(std::move(services))) {
  const auto& s = *services_;
  if (!s.files || !s.notifications || !s.fileManager || !s.launcher || !s.apps || !s.log || !s.scheduler || !s.host ||
      !s.userFolders || !s.now || !s.strings || !s.processes) {
    throw std::invalid_argument("ActionDispatcher: a service is missing");
  }
  picks_ = platform::SerialQueue::on(s.scheduler);
}

void ActionDispatcher::perform(const MenuAction& action, std::optional<fs::path> target, std::vector<fs::path> selection,
                               std::optional<SettingsStore> settings) const {
  services_->log->info("perform " + describe(action));
  picks_->push([s = services_, action, target = std::move(target), selection = std::move(selection),
                 settings = std::move(settings)]() mutable { performInBackground(s, action, target, selection, settings); });
}

std::optional<fs::path> targetFolder(const std::optional<fs::path>& target, const std::vector<fs::path>& selection,
                                     const platform::FileOperations& files) {
  if (!target && selection.empty()) return std::nullopt;
  return folderOf(located(target ? *target : selection.front()), files);
}

}  // namespace nimbra::extension
