#include "SingleInstance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace nimbra::app {
namespace {

constexpr const char* kService = "ai.corvane.nimbra";
constexpr const char* kPath = "/ai/corvane/nimbra/App";

}  // namespace

bool SingleInstance::claim() {
  auto bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return true;
  bus.registerObject(kPath, this, QDBusConnection::ExportScriptableSlots);
  if (bus.registerService(kService)) return true;
  bus.unregisterObject(kPath);
  bus.call(QDBusMessage::createMethodCall(kService, kPath, "ai.corvane.nimbra.App", "Activate"), QDBus::Block, 5000);
  return false;
}

void SingleInstance::Activate() { emit activated(); }

}  // namespace nimbra::app
