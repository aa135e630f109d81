#pragma once
// The extension's principal object: answers the file manager's menu requests
// and keeps the actions of the last menu it rendered. Host-neutral: a host
// translates its own calls into these and renders with its own item type.

#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <span>
#include <thread>
#include <vector>

#include "nimbra/CachingAppLocator.h"
#include "nimbra/MenuNode.h"
#include "nimbra/SettingsStore.h"
#include "nimbra/extension/ActionDispatcher.h"
#include "nimbra/extension/MenuBuilder.h"
#include "nimbra/extension/MenuRendering.h"

namespace nimbra::extension {

// What the host already knows about a selected item; nothing where it could not tell.
struct SelectedItem {
  std::filesystem::path url;
  std::optional<bool> isDirectory;
  std::optional<bool> isPackage;
};

// True for no items; false as soon as one is not a directory (or could not be
// read) or is a package. An unreadable package flag counts as not a package.
bool selectionIsFoldersOnly(std::span<const SelectedItem> selection);

// The process-wide services the menus are built with.
struct ExtensionEnvironment {
  std::shared_ptr<const StringTable> strings;
  std::shared_ptr<const platform::ContentTypes> contentTypes;
  std::shared_ptr<const AppLocating> locator;            // the caching locator, shared by every request
  std::shared_ptr<const ContentTypeOpeners> openers;     // the cached content-type check
  std::set<std::string, std::less<>> templateNames;      // files in the "Templates" folder, read once
};

class FinderSync {
 public:
  static constexpr std::string_view toolbarItemName = "Nimbra";
  static constexpr std::string_view toolbarItemToolTip = "New items, Send to and Open with";

  // `services` carry out picks; a FinderSync that only builds menus may leave them empty.
  FinderSync(std::optional<SettingsStore> settings, ExtensionEnvironment environment, DispatcherServices services = {});
  ~FinderSync();
  FinderSync(const FinderSync&) = delete;
  FinderSync& operator=(const FinderSync&) = delete;

  // The menu tree for a request; the finish-setup leaf when there is no store.
  std::vector<MenuNode> menuNodes(MenuKind kind, std::span<const SelectedItem> selection) const;

  // Builds and renders a menu with the host's item type; keeps its actions for
  // `picked`. Nothing (and the kept actions unchanged) when the tree is empty.
  // Call on the host's main thread.
  template <MenuRenderHost Host>
  std::optional<typename Host::Menu> menu(MenuKind kind, std::span<const SelectedItem> selection, Host& host) {
    const auto nodes = menuNodes(kind, selection);
    if (nodes.empty()) return std::nullopt;
    std::vector<MenuAction> rendered;
    auto result = render(host, std::span<const MenuNode>(nodes), rendered);
    actions_ = std::move(rendered);
    return result;
  }

  // Builds the container and items menus once on a background thread so the
  // caches are warm before the first right-click; renders nothing.
  void warmUp();

  // The user picked the leaf with this tag in the last rendered menu. The host reads
  // its targeted folder and selection at once; the action runs on a later turn of
  // the main loop.
  void picked(long tag, std::optional<std::filesystem::path> target, std::vector<std::filesystem::path> selection);

  const std::vector<MenuAction>& actions() const { return actions_; }
  const std::optional<SettingsStore>& settings() const { return settings_; }
  const ExtensionEnvironment& environment() const { return environment_; }

 private:
  struct StoredSettings {
    std::vector<NewItem> newItems;
    std::vector<SendToEntry> sendTo;
    std::vector<OpenWithEntry> openWith;
    bool groupNewItems = true;
    bool showUnopenableTypes = false;
  };
  std::shared_ptr<const StoredSettings> storedSettings() const;
  MenuInputs inputs(const StoredSettings& stored, bool foldersOnly) const;

  std::optional<SettingsStore> settings_;
  ExtensionEnvironment environment_;
  std::shared_ptr<platform::Scheduler> scheduler_;
  ActionDispatcher dispatcher_;
  std::vector<MenuAction> actions_;

  // Decoded settings, reused while the suite's change count says nobody wrote it.
  mutable std::mutex cacheMutex_;
  mutable std::shared_ptr<const StoredSettings> cached_;
  mutable std::uint64_t cachedChangeCount_ = 0;

  // Last, so it is joined before anything it reads is destroyed.
  std::jthread warmUp_;
};

}  // namespace nimbra::extension
