// The three entry points Nautilus looks up in its extension modules; nothing else
// is exported. The module stays resident once loaded: work it started in the
// background may still be running when Nautilus unloads it.

#include <dlfcn.h>

#include <exception>
#include <string>
#include <utility>

#include "MenuProvider.h"
#include "NautilusExtension.h"
#include "nimbra/platform/linux/JournalLog.h"

#define NIMBRA_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

GType gProviderType = 0;
nimbra::nautilus::NautilusExtension* gExtension = nullptr;

void stayResident() {
  Dl_info self{};
  if (::dladdr(reinterpret_cast<const void*>(&stayResident), &self) != 0 && self.dli_fname) {
    // One more reference that is never dropped: the code is never unmapped.
    ::dlopen(self.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
  }
}

void stop() {
  nimbra::nautilus::answerFrom(nullptr);
  delete std::exchange(gExtension, nullptr);
}

}  // namespace

NIMBRA_EXPORT void nautilus_module_initialize(GTypeModule* module) {
  try {
    stayResident();
    gProviderType = nimbra::nautilus::registerMenuProvider(module);
    stop();
    gExtension = new nimbra::nautilus::NautilusExtension();
    nimbra::nautilus::answerFrom(gExtension);
  } catch (const std::exception& error) {
    nimbra::platform::journalLog("extension")->error(std::string("module start failed: ") + error.what());
  } catch (...) {
    nimbra::platform::journalLog("extension")->error("module start failed");
  }
}

NIMBRA_EXPORT void nautilus_module_shutdown(void) {
  try {
    stop();
  } catch (...) {
  }
}

NIMBRA_EXPORT void nautilus_module_list_types(const GType** types, int* count) {
  static GType list[1];
  list[0] = gProviderType;
  *types = list;
  *count = gProviderType ? 1 : 0;
}
