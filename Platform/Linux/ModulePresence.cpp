#include "nimbra/platform/linux/ModulePresence.h"

#include <gio/gdesktopappinfo.h>

#include <fstream>
#include <iterator>
#include <optional>

#include "nimbra/platform/linux/BusNames.h"

namespace nimbra::platform {
namespace {

// Whether the process maps a file of this name; no when its maps cannot be read.
bool maps(guint32 pid, const std::filesystem::path& module) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/maps");
  const std::string text((std::istreambuf_iterator<char>(in)), {});
  return text.find("/" + module.filename().string()) != std::string::npos;
}

using Changed = std::shared_ptr<std::function<void()>>;

void tell(gpointer changed) {
  // A GLib callback: nothing may escape into C.
  try {
    (**static_cast<Changed*>(changed))();
  } catch (...) {
  }
}

class ModulePresence final : public FileManagerPresence {
 public:
  ModulePresence(FileManagerModule fileManager, std::shared_ptr<SessionBus> bus)
      : fileManager_(std::move(fileManager)), bus_(std::move(bus)) {}
  ~ModulePresence() override {
    for (const guint watch : watches_) g_bus_unwatch_name(watch);
  }

  std::string name() const override { return fileManager_.name; }
  std::string desktopID() const override { return fileManager_.desktopID; }
  std::filesystem::path extensionFolder() const override { return fileManager_.module.parent_path(); }

  ExtensionPresence presence() const override {
    ExtensionPresence presence;
    std::error_code ec;
    presence.installed = std::filesystem::exists(fileManager_.module, ec);
    const auto connection = bus_->connection();
    if (!connection) return presence;
    const auto pid = nameOwnerProcess(connection.get(), fileManager_.busName);
    presence.running = pid.has_value();
    if (!pid) return presence;
    // The announcement counts only when the file manager's own process made it.
    presence.loaded = maps(*pid, fileManager_.module) || nameOwnerProcess(connection.get(), kExtensionBusName) == pid;
    return presence;
  }

  void follow(std::function<void()> changed) override {
    const auto connection = bus_->connection();
    if (!connection) return;
    const auto shared = std::make_shared<std::function<void()>>(std::move(changed));
    for (const auto& name : {fileManager_.busName, std::string(kExtensionBusName)}) {
      watches_.push_back(g_bus_watch_name_on_connection(
          connection.get(), name.c_str(), G_BUS_NAME_WATCHER_FLAGS_NONE,
          [](GDBusConnection*, const gchar*, const gchar*, gpointer data) { tell(data); },
          [](GDBusConnection*, const gchar*, gpointer data) { tell(data); }, new Changed(shared),
          [](gpointer data) { delete static_cast<Changed*>(data); }));
    }
  }

  TakesIn takesIn() const override { return TakesIn::byRestarting; }

  void takeIn() override {
    std::vector<gchar*> argv;
    for (const auto& arg : fileManager_.quitCommand) argv.push_back(const_cast<gchar*>(arg.c_str()));
    argv.push_back(nullptr);
    // Without DO_NOT_REAP_CHILD GLib reaps it: nothing to wait for.
    g_spawn_async(nullptr, argv.data(), nullptr, G_SPAWN_SEARCH_PATH, nullptr, nullptr, nullptr, nullptr);
  }

 private:
  const FileManagerModule fileManager_;
  const std::shared_ptr<SessionBus> bus_;
  std::vector<guint> watches_;
};

}  // namespace

std::shared_ptr<FileManagerPresence> modulePresence(FileManagerModule fileManager, std::shared_ptr<SessionBus> bus) {
  return std::make_shared<ModulePresence>(std::move(fileManager), std::move(bus));
}

std::optional<std::string> defaultFileManagerID() {
  const GObjectPtr<GAppInfo> app(g_app_info_get_default_for_type("inode/directory", FALSE));
  const char* id = app ? g_app_info_get_id(app.get()) : nullptr;
  if (!id) return std::nullopt;
  return std::string(id);
}

bool desktopEntryInstalled(std::string_view desktopID) {
  return GObjectPtr<GDesktopAppInfo>(g_desktop_app_info_new(std::string(desktopID).c_str())) != nullptr;
}

FileManagerModule filesModule(std::filesystem::path module) {
  return {"Files", "org.gnome.Nautilus.desktop", "org.gnome.Nautilus", std::move(module), {"nautilus", "-q"}};
}

FileManagerModule nemoModule(std::filesystem::path module) {
  return {"Nemo", "nemo.desktop", "org.Nemo", std::move(module), {"nemo", "-q"}};
}

// Caja's entry for opening folders is its folder handler, not its browser.
FileManagerModule cajaModule(std::filesystem::path module) {
  return {"Caja", "caja-folder-handler.desktop", "org.mate.Caja", std::move(module), {"caja", "-q"}};
}

FileManagerModule thunarModule(std::filesystem::path module) {
  return {"Thunar", "thunar.desktop", "org.xfce.FileManager", std::move(module), {"thunar", "-q"}};
}

}  // namespace nimbra::platform
