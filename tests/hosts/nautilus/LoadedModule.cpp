#include "LoadedModule.h"

#include <stdexcept>
#include <string>

namespace nimbra::testing {
namespace {

struct TestModule {
  GTypeModule parent;
  char* path;
  GModule* library;
  void (*initialize)(GTypeModule*);
  void (*shutdown)();
  void (*listTypes)(const GType**, int*);
};
struct TestModuleClass {
  GTypeModuleClass parent;
};

G_DEFINE_TYPE(TestModule, test_module, G_TYPE_TYPE_MODULE)

gboolean loadModule(GTypeModule* module) {
  auto* self = reinterpret_cast<TestModule*>(module);
  self->library = g_module_open(self->path, GModuleFlags(G_MODULE_BIND_LAZY | G_MODULE_BIND_LOCAL));
  if (!self->library) return FALSE;
  if (!g_module_symbol(self->library, "nautilus_module_initialize", reinterpret_cast<gpointer*>(&self->initialize)) ||
      !g_module_symbol(self->library, "nautilus_module_shutdown", reinterpret_cast<gpointer*>(&self->shutdown)) ||
      !g_module_symbol(self->library, "nautilus_module_list_types", reinterpret_cast<gpointer*>(&self->listTypes))) {
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
}
void test_module_init(TestModule*) {}

struct FakeFileInfo {
  GObject parent;
  GFile* location;
  gboolean directory;
};
struct FakeFileInfoClass {
  GObjectClass parent;
};

void fake_file_info_interface_init(NautilusFileInfoInterface* iface);
G_DEFINE_TYPE_WITH_CODE(FakeFileInfo, fake_file_info, G_TYPE_OBJECT,
                        G_IMPLEMENT_INTERFACE(NAUTILUS_TYPE_FILE_INFO, fake_file_info_interface_init))

FakeFileInfo* fake(NautilusFileInfo* info) { return reinterpret_cast<FakeFileInfo*>(info); }

void fake_file_info_interface_init(NautilusFileInfoInterface* iface) {
  iface->get_uri_scheme = [](NautilusFileInfo* info) { return g_file_get_uri_scheme(fake(info)->location); };
  iface->get_uri = [](NautilusFileInfo* info) { return g_file_get_uri(fake(info)->location); };
  iface->get_name = [](NautilusFileInfo* info) { return g_file_get_basename(fake(info)->location); };
  iface->get_location = [](NautilusFileInfo* info) { return G_FILE(g_object_ref(fake(info)->location)); };
  iface->get_parent_location = [](NautilusFileInfo* info) { return g_file_get_parent(fake(info)->location); };
  iface->is_directory = [](NautilusFileInfo* info) { return fake(info)->directory; };
  iface->get_file_type = [](NautilusFileInfo* info) {
    return fake(info)->directory ? G_FILE_TYPE_DIRECTORY : G_FILE_TYPE_REGULAR;
  };
  iface->is_gone = [](NautilusFileInfo*) -> gboolean { return FALSE; };
}

void fake_file_info_finalize(GObject* object) {
  g_object_unref(reinterpret_cast<FakeFileInfo*>(object)->location);
  G_OBJECT_CLASS(fake_file_info_parent_class)->finalize(object);
}
void fake_file_info_class_init(FakeFileInfoClass* klass) { G_OBJECT_CLASS(klass)->finalize = fake_file_info_finalize; }
void fake_file_info_init(FakeFileInfo*) {}

}  // namespace

LoadedModule::LoadedModule(const std::filesystem::path& library)
    : module_(G_TYPE_MODULE(g_object_new(test_module_get_type(), nullptr))) {
  reinterpret_cast<TestModule*>(module_)->path = g_strdup(library.c_str());
  g_type_module_set_name(module_, library.c_str());
  load();
}

LoadedModule::~LoadedModule() {
  unload();
  // Type modules live as long as the types they registered: never finalized.
}

void LoadedModule::load() {
  if (!g_type_module_use(module_)) throw std::runtime_error("the module does not load");
  auto* self = reinterpret_cast<TestModule*>(module_);
  const GType* types = nullptr;
  int count = 0;
  self->listTypes(&types, &count);
  for (int i = 0; i < count; ++i) objects_.push_back(G_OBJECT(g_object_new(types[i], nullptr)));
  g_type_module_unuse(module_);
}

void LoadedModule::unload() {
  for (auto* object : objects_) g_object_unref(object);
  objects_.clear();
}

NautilusMenuProvider* LoadedModule::menuProvider() const {
  for (auto* object : objects_) {
    if (NAUTILUS_IS_MENU_PROVIDER(object)) return NAUTILUS_MENU_PROVIDER(object);
  }
  return nullptr;
}

NautilusFileInfo* fileInfo(const char* uri, bool isDirectory) {
  auto* info = static_cast<FakeFileInfo*>(g_object_new(fake_file_info_get_type(), nullptr));
  info->location = g_file_new_for_uri(uri);
  info->directory = isDirectory;
  return NAUTILUS_FILE_INFO(info);
}

}  // namespace nimbra::testing
