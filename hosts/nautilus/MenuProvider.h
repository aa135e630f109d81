#pragma once
// The GObject Nautilus asks for menus: a NautilusMenuProvider whose type lives on
// the module's GTypeModule, so Nautilus can unload and load the module again.

#include "NautilusExtensionApi.h"

namespace nimbra::nautilus {

class NautilusExtension;

// Registers the type on `module` (again on every load) and has its objects answer
// from `extension` (none: no menus).
GType registerMenuProvider(GTypeModule* module);
void answerFrom(NautilusExtension* extension);

}  // namespace nimbra::nautilus
