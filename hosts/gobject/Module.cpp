#include "Module.h"

#include <string>
#include <utility>

#include "nimbra/platform/linux/JournalLog.h"

namespace nimbra::hosts::module {
namespace {

GType gProviderType = 0;
ModuleExtension* gExtension = nullptr;

struct Provider {
  GObject parent;
};
struct ProviderClass {
  GObjectClass parent;
};

}  // namespace

void initialize(const std::function<GType()>& registerType, const HostApi& api,
                const std::function<std::shared_ptr<HostSession>()>& makeHost) {
  try {
    stayResident();
    gProviderType = registerType();
    shutdown();
    gExtension = new ModuleExtension(api, makeHost());
  } catch (const std::exception& error) {
    platform::journalLog("extension")->error(std::string("module start failed: ") + error.what());
  } catch (...) {
    platform::journalLog("extension")->error("module start failed");
  }
}

void shutdown() { delete std::exchange(gExtension, nullptr); }

void listTypes(const GType** types, int* count) {
  static GType list[1];
  list[0] = gProviderType;
  *types = list;
  *count = gProviderType ? 1 : 0;
}

const GTypeInfo& providerInfo() {
  static const GTypeInfo info = {
      sizeof(ProviderClass), nullptr, nullptr, nullptr, nullptr, nullptr, sizeof(Provider), 0, nullptr, nullptr,
  };
  return info;
}

std::string providerName(const HostApi& api) { return std::string("Nimbra") + api.name + "MenuProvider"; }

GType registerProvider(GTypeModule* module, const HostApi& api, GType interface, GInterfaceInitFunc init) {
  const GType type =
      g_type_module_register_type(module, G_TYPE_OBJECT, providerName(api).c_str(), &providerInfo(), GTypeFlags(0));
  const GInterfaceInfo menus = {init, nullptr, nullptr};
  g_type_module_add_interface(module, type, interface, &menus);
  return type;
}

ModuleExtension* running() { return gExtension; }


}  // namespace nimbra::hosts::module
