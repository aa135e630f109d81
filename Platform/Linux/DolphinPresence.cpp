#include "nimbra/platform/linux/DolphinPresence.h"

#include <string>
#include <utility>
#include <vector>

#include "nimbra/platform/linux/GioSupport.h"

namespace nimbra::platform {
namespace {

constexpr auto kShowGroup = "Show";

class DolphinPresence final : public FileManagerPresence {
 public:
  DolphinPresence(std::filesystem::path plugin, std::filesystem::path settings)
      : plugin_(std::move(plugin)), settings_(std::move(settings)), key_(plugin_.stem().string()) {}
  ~DolphinPresence() override {
    for (auto* monitor : monitors_) g_object_unref(monitor);
  }

  std::string name() const override { return "Dolphin"; }
  std::string desktopID() const override { return "org.kde.dolphin.desktop"; }
  std::filesystem::path extensionFolder() const override { return plugin_.parent_path(); }

  ExtensionPresence presence() const override {
    std::error_code ec;
    const bool installed = std::filesystem::exists(plugin_, ec);
    return {installed, true, installed && switchedOn()};
  }

  void follow(std::function<void()> changed) override {
    const GObjectPtr<GFile> file = localFile(settings_);
    GFileMonitor* monitor = g_file_monitor_file(file.get(), G_FILE_MONITOR_NONE, nullptr, nullptr);
    if (!monitor) return;
    g_signal_connect_data(monitor, "changed", G_CALLBACK(+[](GFileMonitor*, GFile*, GFile*, GFileMonitorEvent, gpointer data) {
                            (*static_cast<std::function<void()>*>(data))();
                          }),
                          new std::function<void()>(std::move(changed)),
                          [](gpointer data, GClosure*) { delete static_cast<std::function<void()>*>(data); },
                          GConnectFlags(0));
    monitors_.push_back(monitor);
  }

  TakesIn takesIn() const override { return TakesIn::bySwitchingOn; }

  // Removes our "false" from the group, keeping everything else in the file.
  void takeIn() override {
    GKeyFile* keys = g_key_file_new();
    g_key_file_load_from_file(keys, settings_.c_str(), GKeyFileFlags(G_KEY_FILE_KEEP_COMMENTS), nullptr);
    g_key_file_remove_key(keys, kShowGroup, key_.c_str(), nullptr);
    g_key_file_save_to_file(keys, settings_.c_str(), nullptr);
    g_key_file_free(keys);
  }

 private:
  bool switchedOn() const {
    GKeyFile* keys = g_key_file_new();
    bool on = true;
    if (g_key_file_load_from_file(keys, settings_.c_str(), G_KEY_FILE_NONE, nullptr)) {
      GError* error = nullptr;
      const gboolean shown = g_key_file_get_boolean(keys, kShowGroup, key_.c_str(), &error);
      on = error ? true : shown != FALSE;  // not listed: on, as Dolphin has it
      if (error) g_error_free(error);
    }
    g_key_file_free(keys);
    return on;
  }

  const std::filesystem::path plugin_;
  const std::filesystem::path settings_;
  const std::string key_;  // the plugin's ID: its file name without ".so"
  std::vector<GFileMonitor*> monitors_;
};

}  // namespace

std::shared_ptr<FileManagerPresence> dolphinPresence(std::filesystem::path plugin, std::filesystem::path settings) {
  if (settings.empty()) settings = std::filesystem::path(g_get_user_config_dir()) / "kservicemenurc";
  return std::make_shared<DolphinPresence>(std::move(plugin), std::move(settings));
}

}  // namespace nimbra::platform
