#include "nimbra/platform/linux/SessionBusNotifications.h"

#include <string>
#include <vector>

#include "nimbra/platform/linux/BusNames.h"

namespace nimbra::platform {
namespace {

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

 private:
  std::shared_ptr<SessionBus> bus_;
  std::shared_ptr<SystemLog> log_;
};

class SessionBusListener final : public NotificationListener {
 public:
  explicit SessionBusListener(std::shared_ptr<SessionBus> bus) : bus_(std::move(bus)) {}
  ~SessionBusListener() override {
    for (const guint subscription : subscriptions_) g_dbus_connection_signal_unsubscribe(connection_.get(), subscription);
  }

  void listen(std::string_view name, std::function<void()> heard) override {
    if (!connection_) connection_ = bus_->connection();
    if (!connection_) return;
    const std::string text(name);
    subscriptions_.push_back(g_dbus_connection_signal_subscribe(
        connection_.get(), nullptr, kNotificationsInterface, kNotificationsMember, kNotificationsPath, text.c_str(),
        G_DBUS_SIGNAL_FLAGS_NONE,
        [](GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*, GVariant*, gpointer data) {
          // A GLib callback: nothing may escape into C.
          try {
            (*static_cast<std::function<void()>*>(data))();
          } catch (...) {
          }
        },
        new std::function<void()>(std::move(heard)),
        [](gpointer data) { delete static_cast<std::function<void()>*>(data); }));
  }

 private:
  const std::shared_ptr<SessionBus> bus_;
  Connection connection_;  // the one the subscriptions are on
  std::vector<guint> subscriptions_;
};

}  // namespace

std::shared_ptr<NotificationListener> sessionBusListener(std::shared_ptr<SessionBus> bus) {
  return std::make_shared<SessionBusListener>(std::move(bus));
}

std::shared_ptr<Notifications> sessionBusNotifications(std::shared_ptr<SessionBus> bus, std::shared_ptr<SystemLog> log) {
  return std::make_shared<SessionBusNotifications>(std::move(bus), std::move(log));
}

std::shared_ptr<Notifications> sessionBusNotifications(std::shared_ptr<SystemLog> log) {
  return sessionBusNotifications(SessionBus::shared(), std::move(log));
}

}  // namespace nimbra::platform
