#include "MenuProvider.h"

#include <exception>
#include <string>

#include "NautilusExtension.h"
#include "nimbra/platform/linux/JournalLog.h"

namespace nimbra::nautilus {
namespace {

struct NimbraMenuProvider {
  GObject parent;
};
struct NimbraMenuProviderClass {
  GObjectClass parent;
};

NautilusExtension* gExtension = nullptr;

// A provider call must never fail in Nautilus: whatever goes wrong is logged and means no menu.
template <class Work>
GList* guarded(Work work) {
  try {
    return gExtension ? work(*gExtension) : nullptr;
  } catch (const std::exception& error) {
    platform::journalLog("extension")->error(std::string("menu request failed: ") + error.what());
  } catch (...) {
    platform::journalLog("extension")->error("menu request failed");
  }
  return nullptr;
}

GList* fileItems(NautilusMenuProvider*, GList* files) {
  return guarded([files](NautilusExtension& extension) { return extension.fileItems(files); });
}

GList* backgroundItems(NautilusMenuProvider*, NautilusFileInfo* folder) {
  return guarded([folder](NautilusExtension& extension) { return extension.backgroundItems(folder); });
}

void initMenuProvider(gpointer iface, gpointer) {
  auto* provider = static_cast<NautilusMenuProviderInterface*>(iface);
  provider->get_file_items = fileItems;
  provider->get_background_items = backgroundItems;
}

}  // namespace

GType registerMenuProvider(GTypeModule* module) {
  const GTypeInfo info = {
      sizeof(NimbraMenuProviderClass), nullptr, nullptr, nullptr, nullptr, nullptr, sizeof(NimbraMenuProvider), 0,
      nullptr, nullptr,
  };
  const GType type = g_type_module_register_type(module, G_TYPE_OBJECT, "NimbraMenuProvider", &info, GTypeFlags(0));
  const GInterfaceInfo menus = {initMenuProvider, nullptr, nullptr};
  g_type_module_add_interface(module, type, NAUTILUS_TYPE_MENU_PROVIDER, &menus);
  return type;
}

void answerFrom(NautilusExtension* extension) { gExtension = extension; }

}  // namespace nimbra::nautilus
