#pragma once
// The extension inside a GObject file manager: one per loaded module, answering its
// providers with menu items from the running extension.

#include <memory>
#include <span>

#include "ExtensionSession.h"
#include "HostApi.h"
#include "MenuItems.h"

namespace nimbra::hosts {

class ModuleExtension {
 public:
  // Main thread, from the module's initialisation.
  ModuleExtension(const HostApi& api, std::shared_ptr<HostSession> host);

  // The providers' answers: a list of menu items the file manager takes over, or
  // nothing. The host learns the selection and the window that asked, where the API says.
  GList* backgroundItems(GObject* folder);
  GList* fileItems(GList* files, GObject* window = nullptr);

 private:
  GList* items(std::span<const extension::SelectedItem> facts, const MenuRequest& request) const;

  const HostApi& api_;
  ExtensionSession session_;
};

}  // namespace nimbra::hosts
