// ShowItems runs as a blocking call on a background thread of the scheduler:
// the caller never waits, and the scheduler knows the call is still under way
// until the file manager answered (or the bus said there is none).

#include "nimbra/platform/linux/SessionFileManager.h"

#include <string>

namespace nimbra::platform {
namespace {

class SessionFileManager final : public FileManager {
 public:
  SessionFileManager(std::shared_ptr<SessionBus> bus, std::shared_ptr<SystemLog> log,
                     std::shared_ptr<Scheduler> scheduler, std::chrono::milliseconds timeout)
      : bus_(std::move(bus)), log_(std::move(log)), scheduler_(std::move(scheduler)), timeout_(timeout) {}

  void reveal(const std::filesystem::path& item) override {
    scheduler_->inBackground([bus = bus_, log = log_, timeout = timeout_, item, uri = fileURI(item)] {
      const auto connection = bus->connection();
      if (!connection) {
        log->info("reveal " + item.string() + ": no session bus");
        return;
      }
      const gchar* uris[] = {uri.c_str(), nullptr};
      GError* error = nullptr;
      // Auto start allowed: the desktop's file manager may not be running yet.
      GVariant* reply = g_dbus_connection_call_sync(
          connection.get(), "org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
          "org.freedesktop.FileManager1", "ShowItems", g_variant_new("(^ass)", uris, ""), nullptr,
          G_DBUS_CALL_FLAGS_NONE, static_cast<gint>(timeout.count()), nullptr, &error);
      if (reply) {
        g_variant_unref(reply);
        return;
      }
      const bool missing = g_error_matches(error, G_DBUS_ERROR, G_DBUS_ERROR_SERVICE_UNKNOWN) ||
                           g_error_matches(error, G_DBUS_ERROR, G_DBUS_ERROR_NAME_HAS_NO_OWNER);
      log->info("reveal " + item.string() + (missing ? ": no file manager: " : ": file manager failed: ") +
                error->message);
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
