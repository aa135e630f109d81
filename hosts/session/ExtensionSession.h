#pragma once
// The extension running inside a file manager, whatever its toolkit: one per loaded
// module or plugin. It sets itself up off the main loop (settings, resources,
// caches) and gives the menu trees from then on; until it is ready, and while the
// user has the menus switched off, there are none. While it is ready and on, it
// owns "ai.corvane.nimbra.Extension" on the session bus. Main thread, which runs
// GLib's default main context (GTK does; Qt does through its GLib dispatcher).

#include <chrono>
#include <memory>
#include <span>
#include <vector>

#include "HostSession.h"
#include "nimbra/MenuInputs.h"
#include "nimbra/extension/FinderSync.h"
#include "nimbra/extension/linux/FreedesktopIcons.h"

namespace nimbra::hosts {

class ExtensionSession {
 public:
  explicit ExtensionSession(std::shared_ptr<HostSession> host);
  ~ExtensionSession();
  ExtensionSession(const ExtensionSession&) = delete;
  ExtensionSession& operator=(const ExtensionSession&) = delete;

  // Waits at most `limit` for the set-up running in the background, for a host
  // that starts the extension with its first menu (Dolphin) and would otherwise
  // show that menu without ours. Whether it is ready.
  bool awaitReady(std::chrono::milliseconds limit);

  // The tree for a request; none until ready and while switched off.
  std::vector<MenuNode> nodes(MenuKind kind, std::span<const extension::SelectedItem> selection) const;
  // Once ready: what picks perform on, and the icons' names.
  const std::shared_ptr<extension::FinderSync>& sync() const;
  const extension::FreedesktopIcons& icons() const;
  HostSession& host() const;

 private:
  struct State;
  std::shared_ptr<State> state_;  // shared with the set-up running in the background
};

// Keeps the module or plugin this is linked into loaded for good: work it started in
// the background may outlive its file manager's use of it.
void stayResident();

}  // namespace nimbra::hosts
