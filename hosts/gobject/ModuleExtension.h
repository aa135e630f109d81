#pragma once
// The extension inside a file manager: one per loaded module. It sets itself up off
// the main loop (settings, resources, caches) and answers the providers from then
// on; until it is ready, and while the user has the menus switched off, there are none.

#include <memory>

#include "HostApi.h"
#include "HostSession.h"

namespace nimbra::hosts {

class ModuleExtension {
 public:
  // Main thread, from the module's initialisation.
  ModuleExtension(const HostApi& api, std::shared_ptr<HostSession> host);
  ~ModuleExtension();
  ModuleExtension(const ModuleExtension&) = delete;
  ModuleExtension& operator=(const ModuleExtension&) = delete;

  // The providers' answers: a list of menu items the file manager takes over, or
  // nothing. The host learns the selection and the window that asked, where the API says.
  GList* backgroundItems(GObject* folder);
  GList* fileItems(GList* files, GObject* window = nullptr);

 private:
  struct State;
  std::shared_ptr<State> state_;  // shared with the set-up running in the background
};

}  // namespace nimbra::hosts
