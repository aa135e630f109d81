#include "nimbra/extension/FinderSync.h"

#include <mutex>

namespace nimbra::extension {

// Gathers a request's inputs: the settings, decoded once and kept while nobody
// writes the suite, and the process-wide caches.
class FinderSync::MenuSource {
 public:
  MenuSource(std::optional<SettingsStore> settings, ExtensionEnvironment environment)
      : settings_(std::move(settings)), environment_(std::move(environment)) {}

  const std::optional<SettingsStore>& settings() const { return settings_; }

  std::vector<MenuNode> nodes(MenuKind kind, std::span<const SelectedItem> selection) const {
    if (environment_.extensionSwitch && !environment_.extensionSwitch->isOn()) return {};
    const MenuContext context{*environment_.strings, *environment_.contentTypes};
    if (!settings_) return buildMenu(kind, nullptr, context);
    const auto request = inputs(*stored(), selectionIsFoldersOnly(selection));
    return buildMenu(kind, &request, context);
  }

 private:
  std::shared_ptr<const SettingsStore::Snapshot> stored() const {
    // The count is read before the values: a write in between only makes the next request reload.
    const auto count = settings_->defaults().changeCount();
    {
      std::lock_guard lock(mutex_);
      if (cached_ && cachedChangeCount_ == count) return cached_;
    }
    auto snapshot = settings_->snapshot();
    std::lock_guard lock(mutex_);
    // A suite too busy to answer in time: the last settings read, and a new try next time.
    if (!snapshot) return cached_ ? cached_ : (cached_ = std::make_shared<const SettingsStore::Snapshot>(defaults()));
    cached_ = std::make_shared<const SettingsStore::Snapshot>(std::move(*snapshot));
    cachedChangeCount_ = count;
    return cached_;
  }

  static SettingsStore::Snapshot defaults() {
    return {NewItem::builtIns(), SendToEntry::defaults(), OpenWithEntry::defaults()};
  }

  MenuInputs inputs(const SettingsStore::Snapshot& stored, bool foldersOnly) const {
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

  const std::optional<SettingsStore> settings_;
  const ExtensionEnvironment environment_;
  mutable std::mutex mutex_;
  mutable std::shared_ptr<const SettingsStore::Snapshot> cached_;
  mutable std::uint64_t cachedChangeCount_ = 0;
};

FinderSync::FinderSync(std::optional<SettingsStore> settings, ExtensionEnvironment environment,
                       DispatcherServices services)
    : source_(std::make_shared<MenuSource>(std::move(settings), std::move(environment))),
      scheduler_(services.scheduler),
      dispatcher_(services) {
  services.log->info("FinderSync init");
}

FinderSync::~FinderSync() = default;

std::vector<MenuNode> FinderSync::menuNodes(MenuKind kind, std::span<const SelectedItem> selection) const {
  return source_->nodes(kind, selection);
}

void FinderSync::warmUp() {
  scheduler_->inBackground([source = source_] {
    source->nodes(MenuKind::contextualMenuForContainer, {});
    source->nodes(MenuKind::contextualMenuForItems, {});
  });
}

void FinderSync::perform(const MenuAction& action, std::optional<std::filesystem::path> target,
                         std::vector<std::filesystem::path> selection) {
  dispatcher_.perform(action, std::move(target), std::move(selection), source_->settings());
}

}  // namespace nimbra::extension
