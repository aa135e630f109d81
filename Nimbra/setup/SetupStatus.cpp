#include "SetupStatus.h"

#include <QPointer>
#include <QSettings>

#include "nimbra/HandOff.h"

namespace nimbra::app {
namespace {

constexpr const char* kUsedKey = "hasUsedAction";

}  // namespace

SetupStatus::SetupStatus(const AppServices& services, QObject* parent)
    : QObject(parent),
      presence_(services.presence),
      switch_(services.extensionSwitch),
      own_(services.ownSettings),
      hasUsedAction_(own_->value(kUsedKey, false).toBool()) {
  refreshExtensionState();
  // The file manager and the module's announcement come and go: followed live. The
  // services may outlive this window.
  presence_->follow([self = QPointer(this)] {
    if (self) self->refreshExtensionState();
  });
  services.notifications->listen(handOff::menuUsed, [self = QPointer(this)] {
    if (self) self->markUsed();
  });
}

void SetupStatus::refreshExtensionState() {
  const bool wasEnabled = state_.menusAreOn();
  state_ = {presence_->presence(), switch_->isOn()};
  if (state_.menusAreOn() != wasEnabled) emit extensionEnabledChanged(state_.menusAreOn());
}

void SetupStatus::markUsed() {
  if (hasUsedAction_) return;
  hasUsedAction_ = true;
  own_->setValue(kUsedKey, true);
  emit hasUsedActionChanged(true);
}

}  // namespace nimbra::app
