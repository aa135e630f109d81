#pragma once
// The extension inside Nautilus: one per loaded module. It sets itself up off the
// main loop (settings, resources, caches) and answers the providers from then on;
// until it is ready, and while the user has the menus switched off, there are none.

#include <memory>

#include "NautilusExtensionApi.h"

namespace nimbra::nautilus {

class NautilusExtension {
 public:
  // Main thread, from the module's initialisation.
  NautilusExtension();
  ~NautilusExtension();
  NautilusExtension(const NautilusExtension&) = delete;
  NautilusExtension& operator=(const NautilusExtension&) = delete;

  // The providers' answers: a list of menu items Nautilus takes over, or nothing.
  GList* backgroundItems(NautilusFileInfo* folder);
  GList* fileItems(GList* files);

 private:
  struct State;
  std::shared_ptr<State> state_;  // shared with the set-up running in the background
};

}  // namespace nimbra::nautilus
