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
  auto activate = QDBusMessage::createMethodCall(kService, kPath, "ai.corvane.nimbra.App", "Activate");
  activate << launchToken();
  bus.call(activate, QDBus::Block, 5000);
  return false;
}

QString SingleInstance::launchToken() {
  const auto token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
  return token.isEmpty() ? qEnvironmentVariable("DESKTOP_STARTUP_ID") : token;
}

void SingleInstance::Activate(const QString& activationToken) { emit activated(activationToken); }

}  // namespace nimbra::app
