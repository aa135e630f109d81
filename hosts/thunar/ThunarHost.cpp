#include "ThunarHost.h"

#include <unistd.h>

#include <string>

#include "nimbra/platform/linux/JournalLog.h"
#include "nimbra/platform/linux/SessionBus.h"

namespace nimbra::thunar {
namespace {

namespace fs = std::filesystem;

constexpr auto kThunarName = "org.xfce.FileManager";
constexpr auto kThunarPath = "/org/xfce/FileManager";

// Reveals through the desktop's FileManager1 when Thunar itself answers it, else
// (another file manager has the name) through Thunar's own DisplayFolderAndSelect,
// which selects one file: the first. Asking the bus runs in the background.
class ThunarReveal final : public platform::FileManager {
 public:
  ThunarReveal(std::shared_ptr<platform::FileManager> desktops, std::shared_ptr<platform::Scheduler> scheduler)
      : desktops_(std::move(desktops)), scheduler_(std::move(scheduler)) {}

  void reveal(std::vector<fs::path> items) override {
    if (items.empty()) return;
    scheduler_->inBackground([desktops = desktops_, items = std::move(items)]() mutable {
      const auto bus = platform::SessionBus::shared()->connection();
      if (!bus || platform::nameOwnerProcess(bus.get(), "org.freedesktop.FileManager1") == std::uint32_t(::getpid())) {
        return desktops->reveal(std::move(items));
      }
      const auto& item = items.front();
      GError* error = nullptr;
      GVariant* reply = g_dbus_connection_call_sync(
          bus.get(), kThunarName, kThunarPath, kThunarName, "DisplayFolderAndSelect",
          g_variant_new("(ssss)", platform::fileURI(item.parent_path()).c_str(), item.filename().c_str(), "", ""),
          nullptr, G_DBUS_CALL_FLAGS_NO_AUTO_START, 10000, nullptr, &error);
      if (reply) return g_variant_unref(reply);
      platform::journalLog("extension")->info("reveal " + item.string() + " in Thunar: " + error->message);
      g_error_free(error);
    });
  }

 private:
  const std::shared_ptr<platform::FileManager> desktops_;
  const std::shared_ptr<platform::Scheduler> scheduler_;
};

}  // namespace

bool ThunarHost::renameDirectly(const fs::path& item) {
  auto bus = platform::SessionBus::shared()->connection();
  if (!bus) return false;
  const auto uri = platform::fileURI(item);
  // Thunar answers once its rename dialog closes; the answer tells nothing the user
  // has not seen. The connection is kept until then, so the call is sent whole.
  g_dbus_connection_call(
      bus.release(), kThunarName, kThunarPath, kThunarName, "RenameFile", g_variant_new("(sss)", uri.c_str(), "", ""),
      nullptr, G_DBUS_CALL_FLAGS_NO_AUTO_START, G_MAXINT, nullptr,
      [](GObject* connection, GAsyncResult* result, gpointer) {
        if (GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(connection), result, nullptr)) {
          g_variant_unref(reply);
        }
        g_object_unref(connection);
      },
      nullptr);
  return true;
}

std::shared_ptr<platform::FileManager> ThunarHost::fileManager(std::shared_ptr<platform::FileManager> desktops,
                                                               std::shared_ptr<platform::Scheduler> scheduler) {
  return std::make_shared<ThunarReveal>(std::move(desktops), std::move(scheduler));
}

}  // namespace nimbra::thunar
