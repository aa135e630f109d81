#include "nimbra/platform/linux/SessionBusNotifications.h"

#include <exception>
#include <string>

namespace nimbra::platform {
namespace {

struct Subscriber {
  std::string name;
  std::function<void()> handler;
  std::shared_ptr<SystemLog> log;
};

void onPosted(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*, GVariant*, gpointer data) {
  auto& subscriber = *static_cast<Subscriber*>(data);
  // The handler runs from a GLib callback: nothing may escape into C.
  try {
    subscriber.handler();
  } catch (const std::exception& e) {
    subscriber.log->error("notification " + subscriber.name + ": handler failed: " + e.what());
  } catch (...) {
    subscriber.log->error("notification " + subscriber.name + ": handler failed");
  }
}

class BusObservation final : public Notifications::Observation {
 public:
  BusObservation(Connection connection, guint id) : connection_(std::move(connection)), id_(id) {}
  ~BusObservation() override { g_dbus_connection_signal_unsubscribe(connection_.get(), id_); }

 private:
  Connection connection_;
  guint id_;
};

class NoObservation final : public Notifications::Observation {};

class SessionBusNotifications final : public Notifications {
 public:
  SessionBusNotifications(std::shared_ptr<SessionBus> bus, std::shared_ptr<SystemLog> log)
      : bus_(std::move(bus)), log_(std::move(log)) {}

  void post(std::string_view name) override {
    const std::string text(name);
    if (!g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) {
      log_->info("notification dropped: name is not UTF-8");
      return;
    }
    const auto connection = bus_->connection();
    if (!connection) {
      log_->info("notification " + text + " dropped: no session bus");
      return;
    }
    GError* error = nullptr;
    if (!g_dbus_connection_emit_signal(connection.get(), nullptr, kNotificationsPath, kNotificationsInterface,
                                       kNotificationsMember, g_variant_new("(s)", text.c_str()), &error) ||
        // Hands the queued signal to the bus now rather than from GDBus's worker
        // thread later, so a process that exits next does not lose it. This
        // waits for the socket write, not for any receiver.
        !g_dbus_connection_flush_sync(connection.get(), nullptr, &error)) {
      log_->info("notification " + text + " dropped: " + error->message);
      g_error_free(error);
    }
  }

  std::unique_ptr<Observation> observe(std::string_view name, std::function<void()> handler) override {
    const std::string text(name);
    auto connection = bus_->connection();
    if (!connection) {
      log_->info("notification " + text + " not observed: no session bus");
      return std::make_unique<NoObservation>();
    }
    // arg0 matching lets the bus deliver only this name's posts to us.
    const guint id = g_dbus_connection_signal_subscribe(
        connection.get(), nullptr, kNotificationsInterface, kNotificationsMember, kNotificationsPath, text.c_str(),
        G_DBUS_SIGNAL_FLAGS_NONE, onPosted, new Subscriber{text, std::move(handler), log_},
        [](gpointer data) { delete static_cast<Subscriber*>(data); });
    return std::make_unique<BusObservation>(std::move(connection), id);
  }

 private:
  std::shared_ptr<SessionBus> bus_;
  std::shared_ptr<SystemLog> log_;
};

}  // namespace

std::shared_ptr<Notifications> sessionBusNotifications(std::shared_ptr<SessionBus> bus, std::shared_ptr<SystemLog> log) {
  return std::make_shared<SessionBusNotifications>(std::move(bus), std::move(log));
}

std::shared_ptr<Notifications> sessionBusNotifications(std::shared_ptr<SystemLog> log) {
  return sessionBusNotifications(SessionBus::shared(), std::move(log));
}

}  // namespace nimbra::platform
