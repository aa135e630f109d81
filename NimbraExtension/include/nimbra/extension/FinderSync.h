#pragma once
// The extension's principal object: answers the file manager's menu requests and
// carries out picks. Host-neutral: a host translates its own calls into these,
// renders the tree with its own item type (MenuRendering.h) and binds each item to
// its action, with the folder and selection of its menu. Call it on the host's main
// loop: a menu request is served from what is cached, and everything slow runs in
// the background.

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

  // Builds the container and items menus once in the background, so the caches
  // are warm before the first right-click; renders nothing.
  void warmUp();

  // Carries out an action of a menu this object built, with the folder the menu was
  // opened on and the items selected then.
  void perform(const MenuAction& action, std::optional<std::filesystem::path> target,
               std::vector<std::filesystem::path> selection);

 private:
  class MenuSource;

  std::shared_ptr<MenuSource> source_;  // shared with the warm-up
  std::shared_ptr<platform::Scheduler> scheduler_;
  ActionDispatcher dispatcher_;
};

}  // namespace nimbra::extension
