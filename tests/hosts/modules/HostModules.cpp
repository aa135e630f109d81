#include "HostModules.h"

#include <gmodule.h>
#include <gtk/gtk.h>

extern "C" {
#include <libcaja-extension/caja-file-info.h>
#include <libcaja-extension/caja-menu-provider.h>
#include <libcaja-extension/caja-menu.h>
#include <libnemo-extension/nemo-file-info.h>
#include <libnemo-extension/nemo-menu-provider.h>
#include <libnemo-extension/nemo-menu.h>
#include <nautilus-extension.h>
#include <thunarx/thunarx.h>
}

#include <stdexcept>


namespace nimbra::testing {
namespace {

namespace fs = std::filesystem;

// A GTypeModule whose load opens the library and calls `<prefix>_initialize`, and
// whose unload calls `<prefix>_shutdown` and closes it. It is also the plugin
// Thunar hands its modules, as Thunar's own module type is.
struct TestModule {
  GTypeModule parent;
  char* path;
  char* prefix;
  GModule* library;
  void (*initialize)(GTypeModule*);
  void (*shutdown)();
  void (*listTypes)(const GType**, int*);
};
struct TestModuleClass {
  GTypeModuleClass parent;
};

void thunarPluginInit(ThunarxProviderPluginIface* iface) {
  iface->get_resident = [](const ThunarxProviderPlugin*) -> gboolean { return TRUE; };
  iface->set_resident = [](ThunarxProviderPlugin*, gboolean) {};
  iface->register_type = [](ThunarxProviderPlugin* plugin, GType parent, const gchar* name, const GTypeInfo* info,
                            GTypeFlags flags) { return g_type_module_register_type(G_TYPE_MODULE(plugin), parent, name, info, flags); };
  iface->add_interface = [](ThunarxProviderPlugin* plugin, GType type, GType interface, const GInterfaceInfo* info) {
    g_type_module_add_interface(G_TYPE_MODULE(plugin), type, interface, info);
  };
}

G_DEFINE_TYPE_WITH_CODE(TestModule, test_module, G_TYPE_TYPE_MODULE,
                        G_IMPLEMENT_INTERFACE(THUNARX_TYPE_PROVIDER_PLUGIN, thunarPluginInit))

template <class Function>
bool symbol(TestModule* self, const char* name, Function& function) {
  const auto full = std::string(self->prefix) + name;
  return g_module_symbol(self->library, full.c_str(), reinterpret_cast<gpointer*>(&function));
}

gboolean loadModule(GTypeModule* module) {
  auto* self = reinterpret_cast<TestModule*>(module);
  self->library = g_module_open(self->path, GModuleFlags(G_MODULE_BIND_LAZY | G_MODULE_BIND_LOCAL));
  if (!self->library) return FALSE;
  if (!symbol(self, "_initialize", self->initialize) || !symbol(self, "_shutdown", self->shutdown) ||
      !symbol(self, "_list_types", self->listTypes)) {
    g_module_close(self->library);
    return FALSE;
  }
  self->initialize(module);
  return TRUE;
}

void unloadModule(GTypeModule* module) {
  auto* self = reinterpret_cast<TestModule*>(module);
  self->shutdown();
  g_module_close(self->library);
  self->library = nullptr;
}

void test_module_class_init(TestModuleClass* klass) {
  auto* moduleClass = G_TYPE_MODULE_CLASS(klass);
  moduleClass->load = loadModule;
  moduleClass->unload = unloadModule;
  // Thunar's plugin property: modules stay resident here anyway.
  auto* objectClass = G_OBJECT_CLASS(klass);
  objectClass->get_property = [](GObject*, guint, GValue* value, GParamSpec*) { g_value_set_boolean(value, TRUE); };
  objectClass->set_property = [](GObject*, guint, const GValue*, GParamSpec*) {};
  g_object_class_override_property(objectClass, 1, "resident");
}
void test_module_init(TestModule*) {}

class TypeModuleLoader final : public LoadedModule {
 public:
  TypeModuleLoader(const fs::path& library, const char* prefix)
      : module_(G_TYPE_MODULE(g_object_new(test_module_get_type(), nullptr))) {
    auto* self = reinterpret_cast<TestModule*>(module_);
    self->path = g_strdup(library.c_str());
    self->prefix = g_strdup(prefix);
    g_type_module_set_name(module_, library.c_str());
    load();
  }
  // Type modules live as long as the types they registered: never finalized.

  // use(), then one object of each listed type, then unuse(), as the file managers do.
  void load() override {
    if (!g_type_module_use(module_)) throw std::runtime_error("the module does not load");
    const GType* types = nullptr;
    int count = 0;
    reinterpret_cast<TestModule*>(module_)->listTypes(&types, &count);
    for (int i = 0; i < count; ++i) objects_.push_back(G_OBJECT(g_object_new(types[i], nullptr)));
    g_type_module_unuse(module_);
  }

 private:
  GTypeModule* module_;
};

template <const char* prefix>
std::unique_ptr<LoadedModule> loadTypeModule(const fs::path& library) {
  return std::make_unique<TypeModuleLoader>(library, prefix);
}
constexpr char nautilusPrefix[] = "nautilus_module", nemoPrefix[] = "nemo_module", cajaPrefix[] = "caja_module",
               thunarPrefix[] = "thunar_extension";

struct FakeFile {
  GObject parent;
  GFile* location;
  gboolean directory;
};
struct FakeFileClass {
  GObjectClass parent;
};

FakeFile* fake(gpointer file) { return static_cast<FakeFile*>(file); }
char* uriScheme(gpointer file) { return g_file_get_uri_scheme(fake(file)->location); }
GFile* location(gpointer file) { return G_FILE(g_object_ref(fake(file)->location)); }
gboolean isDirectory(gpointer file) { return fake(file)->directory; }

// The three calls the modules make, in each API's interface.
template <class Interface>
void describeFiles(Interface* iface) {
  iface->get_uri_scheme = reinterpret_cast<decltype(iface->get_uri_scheme)>(uriScheme);
  iface->get_location = reinterpret_cast<decltype(iface->get_location)>(location);
  iface->is_directory = reinterpret_cast<decltype(iface->is_directory)>(isDirectory);
}

G_DEFINE_TYPE_WITH_CODE(FakeFile, fake_file, G_TYPE_OBJECT,
                        G_IMPLEMENT_INTERFACE(NAUTILUS_TYPE_FILE_INFO, describeFiles<NautilusFileInfoInterface>)
                        G_IMPLEMENT_INTERFACE(NEMO_TYPE_FILE_INFO, describeFiles<NemoFileInfoInterface>)
                        G_IMPLEMENT_INTERFACE(CAJA_TYPE_FILE_INFO, describeFiles<CajaFileInfoIface>)
                        G_IMPLEMENT_INTERFACE(THUNARX_TYPE_FILE_INFO, describeFiles<ThunarxFileInfoIface>))

void fake_file_finalize(GObject* object) {
  g_object_unref(fake(object)->location);
  G_OBJECT_CLASS(fake_file_parent_class)->finalize(object);
}
void fake_file_class_init(FakeFileClass* klass) { G_OBJECT_CLASS(klass)->finalize = fake_file_finalize; }
void fake_file_init(FakeFile*) {}

}  // namespace

LoadedModule::~LoadedModule() { unload(); }

void LoadedModule::unload() {
  for (auto* object : objects_) g_object_unref(object);
  objects_.clear();
}

GObject* LoadedModule::provider(GType interface) const {
  for (auto* object : objects_) {
    if (G_TYPE_CHECK_INSTANCE_TYPE(object, interface)) return object;
  }
  return nullptr;
}

GObject* fakeFile(const char* uri, bool isDirectory) {
  auto* file = static_cast<FakeFile*>(g_object_new(fake_file_get_type(), nullptr));
  file->location = g_file_new_for_uri(uri);
  file->directory = isDirectory;
  return G_OBJECT(file);
}

// The providers are called as the file managers call them; GTK 3 hosts pass the window, none here.
const HostCase kNautilus{
    "nautilus", NIMBRA_NAUTILUS_MODULE, loadTypeModule<nautilusPrefix>, NAUTILUS_TYPE_MENU_PROVIDER,
    [](GObject* p, GObject* folder) {
      return nautilus_menu_provider_get_background_items(NAUTILUS_MENU_PROVIDER(p), NAUTILUS_FILE_INFO(folder));
    },
    [](GObject* p, GList* files) { return nautilus_menu_provider_get_file_items(NAUTILUS_MENU_PROVIDER(p), files); },
    [](GObject* menu) { return nautilus_menu_get_items(NAUTILUS_MENU(menu)); },
};

const HostCase kNemo{
    "nemo", NIMBRA_NEMO_MODULE, loadTypeModule<nemoPrefix>, NEMO_TYPE_MENU_PROVIDER,
    [](GObject* p, GObject* folder) {
      return NEMO_MENU_PROVIDER_GET_IFACE(p)->get_background_items(NEMO_MENU_PROVIDER(p), nullptr, NEMO_FILE_INFO(folder));
    },
    [](GObject* p, GList* files) { return NEMO_MENU_PROVIDER_GET_IFACE(p)->get_file_items(NEMO_MENU_PROVIDER(p), nullptr, files); },
    [](GObject* menu) { return nemo_menu_get_items(NEMO_MENU(menu)); },
};

const HostCase kCaja{
    "caja", NIMBRA_CAJA_MODULE, loadTypeModule<cajaPrefix>, CAJA_TYPE_MENU_PROVIDER,
    [](GObject* p, GObject* folder) {
      return CAJA_MENU_PROVIDER_GET_IFACE(p)->get_background_items(CAJA_MENU_PROVIDER(p), nullptr, CAJA_FILE_INFO(folder));
    },
    [](GObject* p, GList* files) { return CAJA_MENU_PROVIDER_GET_IFACE(p)->get_file_items(CAJA_MENU_PROVIDER(p), nullptr, files); },
    [](GObject* menu) { return caja_menu_get_items(CAJA_MENU(menu)); },
};

const HostCase kThunar{
    "thunar", NIMBRA_THUNAR_MODULE, loadTypeModule<thunarPrefix>, THUNARX_TYPE_MENU_PROVIDER,
    [](GObject* p, GObject* folder) {
      return THUNARX_MENU_PROVIDER_GET_IFACE(p)->get_folder_menu_items(THUNARX_MENU_PROVIDER(p), nullptr, THUNARX_FILE_INFO(folder));
    },
    [](GObject* p, GList* files) {
      return THUNARX_MENU_PROVIDER_GET_IFACE(p)->get_file_menu_items(THUNARX_MENU_PROVIDER(p), nullptr, files);
    },
    [](GObject* menu) { return thunarx_menu_get_items(THUNARX_MENU(menu)); },
};

}  // namespace nimbra::testing
