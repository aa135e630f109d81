#include "DolphinHost.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>

#include "nimbra/platform/linux/BusNames.h"

namespace nimbra::dolphin {
namespace {

// Asks the bus for the name and gives it back without waiting for the answers; the
// connection keeps the two in order, and the name goes with it when Dolphin quits.
class QtBusAnnouncement final : public hosts::BusAnnouncement {
 public:
  void set(bool on) override {
    if (on == owned_) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    auto call = QDBusMessage::createMethodCall("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                               on ? "RequestName" : "ReleaseName");
    call << QString::fromLatin1(platform::kExtensionBusName);
    if (on) call << 0u;  // queued behind another owner, as GDBus asks by default
    if (bus.send(call)) owned_ = on;
  }

 private:
  bool owned_ = false;
};

}  // namespace

void DolphinHost::beep() { QApplication::beep(); }

std::shared_ptr<hosts::BusAnnouncement> DolphinHost::announcement(std::shared_ptr<platform::Scheduler>) {
  return std::make_shared<QtBusAnnouncement>();
}

}  // namespace nimbra::dolphin
