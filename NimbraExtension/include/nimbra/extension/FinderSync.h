#pragma once
// The extension's principal object: answers the file manager's menu requests and
// carries out picks. Host-neutral: a host translates its own calls into these and
// renders with its own item type. Call it on the host's main loop: a menu request
// is served from what is cached, and everything slow runs in the background.

#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "nimbra/CachingAppLocator.h"
#include "nimbra/MenuNode.h"
#include "nimbra/SettingsStore.h"
#include "nimbra/extension/ActionDispatcher.h"
#include "nimbra/extension/MenuBuilder.h"
#include "nimbra/extension/MenuRendering.h"
#include "nimbra/extension/SelectedItem.h"
#include "nimbra/platform/ExtensionSwitch.h"

namespace nimbra::extension {

// The process-wide services the menus are built with.
struct ExtensionEnvironment {
  std::shared_ptr<const StringTable> strings;
  std::shared_ptr<const platform::ContentTypes> contentTypes;  // cached: asked on every request
  std::shared_ptr<const AppLocating> locator;                  // the caching locator, shared by every request
  std::shared_ptr<const ContentTypeOpeners> openers;           // the cached content-type check
  std::set<std::string, std::less<>> templateNames;            // files in the "Templates" folder, read once
  std::shared_ptr<const platform::ExtensionSwitch> extensionSwitch;  // no menus while off; none: always on
};

class FinderSync {
 public:
  // Throws std::invalid_argument when a service is missing.
  FinderSync(std::optional<SettingsStore> settings, ExtensionEnvironment environment, DispatcherServices services);
  ~FinderSync();
  FinderSync(const FinderSync&) = delete;
  FinderSync& operator=(const FinderSync&) = delete;

  // The menu tree for a request; the finish-setup leaf when there is no store;
  // nothing while the user has the menus switched off.
  std::vector<MenuNode> menuNodes(MenuKind kind, std::span<const SelectedItem> selection) const;

  // Builds and renders a menu with the host's item type; keeps its actions for
  // `picked`. Nothing (and the kept actions unchanged) when the tree is empty. A
  // host that binds each item to the action it receives in addAction calls
  // `perform` with it instead.
  template <MenuRenderHost Host>
  std::optional<typename Host::Menu> menu(MenuKind kind, std::span<const SelectedItem> selection, Host& host) {
    const auto nodes = menuNodes(kind, selection);
    if (nodes.empty()) return std::nullopt;
    std::vector<MenuAction> rendered;
    auto result = render(host, std::span<const MenuNode>(nodes), rendered);
    *actions_ = std::move(rendered);
    return result;
  }

  // Builds the container and items menus once in the background, so the caches
  // are warm before the first right-click; renders nothing.
  void warmUp();

  // Carries out an action of a menu this object built, with the folder the menu was
  // opened on and the items selected then.
  void perform(const MenuAction& action, std::optional<std::filesystem::path> target,
               std::vector<std::filesystem::path> selection);

  // The user picked the leaf with this tag in the last rendered menu. The host reads
  // its targeted folder and selection at once; the tag is looked up on a later turn
  // of the main loop.
  void picked(long tag, std::optional<std::filesystem::path> target, std::vector<std::filesystem::path> selection);

  const std::vector<MenuAction>& actions() const { return *actions_; }

 private:
  class MenuSource;

  std::shared_ptr<MenuSource> source_;  // shared with the warm-up
  std::shared_ptr<platform::Scheduler> scheduler_;
  ActionDispatcher dispatcher_;
  // The last rendered menu's actions, read by picks on a later turn.
  std::shared_ptr<std::vector<MenuAction>> actions_ = std::make_shared<std::vector<MenuAction>>();
};

}  // namespace nimbra::extension
