#pragma once
// The presence of our plugin in Dolphin. Dolphin loads its file-item action plugins
// afresh for every context menu, skipping those its context-menu settings switch
// off ("[Show]" in kservicemenurc, keyed by the plugin's file name): a running
// Dolphin has ours exactly when it is installed and not switched off there. So
// the presence always counts Dolphin as running, with the plugin loaded when the
// settings leave it on; taking it in switches it on there.

#include <filesystem>
#include <memory>

#include "nimbra/platform/FileManagerPresence.h"

namespace nimbra::platform {

// Ours installed at `plugin`; the settings read from `settings` (kservicemenurc in
// the user's configuration folder when not given).
std::shared_ptr<FileManagerPresence> dolphinPresence(std::filesystem::path plugin,
                                                     std::filesystem::path settings = {});

}  // namespace nimbra::platform
