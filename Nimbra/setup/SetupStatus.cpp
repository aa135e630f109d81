#include "SetupStatus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QSettings>

#include "nimbra/HandOff.h"
#include "nimbra/platform/linux/BusNames.h"

namespace nimbra::app {
namespace {

constexpr const char* kUsedKey = "hasUsedAction";

// Whether Files runs, and whether `module` is loaded into it: its maps name the file,
// or (when they cannot be read) the module announces itself, which it does only
// while switched on.
std::pair<bool, bool> filesHasLoaded(const std::filesystem::path& module) {
  auto bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return {false, false};
  const auto pid = bus.interface()->servicePid(kFilesBusName);
  if (!pid.isValid()) return {false, false};
  QFile maps(QString("/proc/%1/maps").arg(pid.value()));
  const bool mapped = maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/" + module.filename().string());
  return {true, mapped || bus.interface()->isServiceRegistered(platform::kExtensionBusName).value()};
}

}  // namespace

SetupStatus::SetupStatus(std::filesystem::path module, std::shared_ptr<platform::ExtensionSwitch> extensionSwitch,
                         QSettings& own, QObject* parent)
    : QObject(parent),
      module_(std::move(module)),
      switch_(std::move(extensionSwitch)),
      own_(own),
      hasUsedAction_(own.value(kUsedKey, false).toBool()),
      watcher_(platform::kExtensionBusName, QDBusConnection::sessionBus(), QDBusServiceWatcher::WatchForOwnerChange) {
  watcher_.addWatchedService(kFilesBusName);
  refreshExtensionState();
  connect(&watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this, &SetupStatus::refreshExtensionState);
  listener_.listen(handOff::menuUsed, [this] { markUsed(); });
}

void SetupStatus::refreshExtensionState() {
  const bool wasEnabled = state_.enabled();
  std::error_code error;
  const auto [running, loaded] = filesHasLoaded(module_);
  state_ = {std::filesystem::exists(module_, error), switch_->isOn(), running, loaded};
  if (state_.enabled() != wasEnabled) emit extensionEnabledChanged(state_.enabled());
}

void SetupStatus::markUsed() {
  if (hasUsedAction_) return;
  hasUsedAction_ = true;
  own_.setValue(kUsedKey, true);
  emit hasUsedActionChanged(true);
}

}  // namespace nimbra::app
