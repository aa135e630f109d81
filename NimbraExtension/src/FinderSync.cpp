#include "nimbra/extension/FinderSync.h"


namespace nimbra::extension {

bool selectionIsFoldersOnly(std::span<const SelectedItem> selection) {
  for (const auto& item : selection) {
    if (!item.isDirectory.value_or(false)) return false;
    if (item.isPackage.value_or(false)) return false;
  }
  return true;
}

FinderSync::FinderSync(std::optional<SettingsStore> settings, ExtensionEnvironment environment,
                       DispatcherServices services)
    : settings_(std::move(settings)),
      environment_(std::move(environment)),
      scheduler_(services.scheduler),
      dispatcher_(services) {
  if (services.log) services.log->info("FinderSync init");
}

void FinderSync::picked(long tag, std::optional<std::filesystem::path> target,
                        std::vector<std::filesystem::path> selection) {
  scheduler_->onMain([this, tag, target = std::move(target), selection = std::move(selection)] {
    const auto count = static_cast<long>(actions_.size());
    if (tag < 0 || tag >= count) {
      return dispatcher_.fail("menu tag " + std::to_string(tag) + " out of range (" + std::to_string(count) + " actions)");
    }
    dispatcher_.perform(actions_[static_cast<std::size_t>(tag)], target, selection, settings_ ? &*settings_ : nullptr);
  });
}

FinderSync::~FinderSync() = default;

std::shared_ptr<const FinderSync::StoredSettings> FinderSync::storedSettings() const {
  // The count is read before the values: a write in between only makes the next request reload.
  const auto count = settings_->defaults().changeCount();
  {
    std::lock_guard lock(cacheMutex_);
    if (cached_ && cachedChangeCount_ == count) return cached_;
  }
  auto fresh = std::make_shared<const StoredSettings>(StoredSettings{
      settings_->newItems(), settings_->sendTo(), settings_->openWith(),
      settings_->boolForKey(settingsKey::groupNewItems), settings_->boolForKey(settingsKey::showUnopenableTypes)});
  std::lock_guard lock(cacheMutex_);
  cached_ = fresh;
  cachedChangeCount_ = count;
  return fresh;
}

MenuInputs FinderSync::inputs(const StoredSettings& stored, bool foldersOnly) const {
  MenuInputs in;
  in.newItems = stored.newItems;
  in.sendTo = stored.sendTo;
  in.openWith = stored.openWith;
  in.groupNewItems = stored.groupNewItems;
  in.showUnopenableTypes = stored.showUnopenableTypes;
  in.canOpen = [openers = environment_.openers](const NewItem& item) { return openers->canOpen(item); };
  in.templateExists = [this](std::string_view resource) { return environment_.templateNames.contains(resource); };
  in.locator = environment_.locator;
  in.selectionIsFoldersOnly = foldersOnly;
  return in;
}

std::vector<MenuNode> FinderSync::menuNodes(MenuKind kind, std::span<const SelectedItem> selection) const {
  const bool foldersOnly = selectionIsFoldersOnly(selection);
  const MenuContext context{*environment_.strings, *environment_.contentTypes};
  if (!settings_) return buildMenu(kind, nullptr, context);
  const auto stored = storedSettings();
  const auto request = inputs(*stored, foldersOnly);
  return buildMenu(kind, &request, context);
}

void FinderSync::warmUp() {
  warmUp_ = std::jthread([this] {
    // Only caches are at stake; nothing may escape into the host.
    try {
      menuNodes(MenuKind::contextualMenuForContainer, {});
      menuNodes(MenuKind::contextualMenuForItems, {});
    } catch (...) {
    }
  });
}

}  // namespace nimbra::extension
