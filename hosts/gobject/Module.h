#pragma once
// The life of a loaded module, the same in every GObject file manager: its entry
// points start and stop one ModuleExtension, its provider type is listed, and each
// provider call is answered from the running extension.

#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "HostApi.h"
#include "HostSession.h"
#include "MenuRequest.h"
#include "ModuleExtension.h"

namespace nimbra::hosts::module {

// From the module's initialisation: keeps the module resident (work it started in
// the background may outlive an unload), registers the provider type with
// `registerType` and starts a fresh extension. Nothing escapes.
void initialize(const std::function<GType()>& registerType, const HostApi& api,
                const std::function<std::shared_ptr<HostSession>()>& makeHost);
void shutdown();
void listTypes(const GType** types, int* count);

// The provider type on a GTypeModule, implementing `interface` with `init`.
GType registerProvider(GTypeModule* module, const HostApi& api, GType interface, GInterfaceInitFunc init);
// Its type information and name, for APIs that register types through their own plugin.
const GTypeInfo& providerInfo();
std::string providerName(const HostApi& api);

ModuleExtension* running();

// A provider call must never fail in the file manager: whatever goes wrong is logged and means no menu.
template <class Work>
GList* answer(Work work) {
  try {
    if (auto* extension = running()) return work(*extension);
  } catch (const std::exception& error) {
    logMenuFailure(error.what());
  } catch (...) {
    logMenuFailure(nullptr);
  }
  return nullptr;
}

}  // namespace nimbra::hosts::module

#define NIMBRA_EXPORT extern "C" __attribute__((visibility("default")))

// The three entry points of a file manager that loads GTypeModules (Nautilus, Nemo, Caja).
#define NIMBRA_GTYPE_MODULE_ENTRY_POINTS(prefix, api, registerType, makeHost)                          \
  NIMBRA_EXPORT void prefix##_module_initialize(GTypeModule* module) {                                 \
    nimbra::hosts::module::initialize([module] { return registerType(module); }, api, makeHost);       \
  }                                                                                                    \
  NIMBRA_EXPORT void prefix##_module_shutdown(void) { nimbra::hosts::module::shutdown(); }             \
  NIMBRA_EXPORT void prefix##_module_list_types(const GType** types, int* count) {                     \
    nimbra::hosts::module::listTypes(types, count);                                                    \
  }
