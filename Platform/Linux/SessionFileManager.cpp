// ShowItems runs as a blocking call on a background thread of the scheduler:
// the caller never waits, and the scheduler knows the call is still under way
// until the file manager answered (or the bus said there is none).

#include "nimbra/platform/linux/SessionFileManager.h"

#include <string>
#include <vector>

namespace nimbra::platform {
namespace {

class SessionFileManager final : public FileManager {
 public:
  SessionFileManager(std::shared_ptr<SessionBus> bus, std::shared_ptr<SystemLog> log,
                     std::shared_ptr<Scheduler> scheduler, std::chrono::milliseconds timeout)
      : bus_(std::move(bus)), log_(std::move(log)), scheduler_(std::move(scheduler)), timeout_(timeout) {}

  void reveal(std::vector<std::filesystem::path> items) override {
    if (items.empty()) return;
    scheduler_->inBackground([bus = bus_, log = log_, timeout = timeout_, items = std::move(items)] {
      const auto what = "reveal " + items.front().string() + (items.size() > 1 ? " and the rest" : "");
      const auto connection = bus->connection();
      if (!connection) {
        log->info(what + ": no session bus");
        return;
      }
      std::vector<std::string> uris;
      for (const auto& item : items) uris.push_back(fileURI(item));
      std::vector<const gchar*> list;
      for (const auto& uri : uris) list.push_back(uri.c_str());
      list.push_back(nullptr);
      GError* error = nullptr;
      // Auto start allowed: the desktop's file manager may not be running yet.
      GVariant* reply = g_dbus_connection_call_sync(
          connection.get(), "org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
          "org.freedesktop.FileManager1", "ShowItems", g_variant_new("(^ass)", list.data(), ""), nullptr,
          G_DBUS_CALL_FLAGS_NONE, static_cast<gint>(timeout.count()), nullptr, &error);
      if (reply) {
        g_variant_unref(reply);
        return;
      }
      const bool missing = g_error_matches(error, G_DBUS_ERROR, G_DBUS_ERROR_SERVICE_UNKNOWN) ||
                           g_error_matches(error, G_DBUS_ERROR, G_DBUS_ERROR_NAME_HAS_NO_OWNER);
      log->info(what + (missing ? ": no file manager: " : ": file manager failed: ") + error->message);
      g_error_free(error);
    });
  }

 private:
  std::shared_ptr<SessionBus> bus_;
  std::shared_ptr<SystemLog> log_;
  std::shared_ptr<Scheduler> scheduler_;
  std::chrono::milliseconds timeout_;
};

}  // namespace

std::shared_ptr<FileManager> sessionFileManager(std::shared_ptr<SessionBus> bus, std::shared_ptr<SystemLog> log,
                                                std::shared_ptr<Scheduler> scheduler,
                                                std::chrono::milliseconds timeout) {
  return std::make_shared<SessionFileManager>(std::move(bus), std::move(log), std::move(scheduler), timeout);
}

std::shared_ptr<FileManager> sessionFileManager(std::shared_ptr<SystemLog> log, std::shared_ptr<Scheduler> scheduler) {
  return sessionFileManager(SessionBus::shared(), std::move(log), std::move(scheduler));
}

}  // namespace nimbra::platform
