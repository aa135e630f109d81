#pragma once
// The two facts the setup window shows live: whether the menus are on in the user's
// file manager, and whether the extension has ever made something for this user.

#include <QObject>
#include <memory>

#include "app/AppServices.h"
#include "nimbra/SetupState.h"

class QSettings;

namespace nimbra::app {

class SetupStatus : public QObject {
  Q_OBJECT

 public:
  // `services` outlive the status; their own settings keep the first-use flag.
  explicit SetupStatus(const AppServices& services, QObject* parent = nullptr);

  bool extensionEnabled() const { return state_.menusAreOn(); }
  const SetupState& state() const { return state_; }
  bool hasUsedAction() const { return hasUsedAction_; }

 public slots:
  void refreshExtensionState();
  // Only ever from false to true, remembered across launches.
  void markUsed();

 signals:
  void extensionEnabledChanged(bool enabled);
  void hasUsedActionChanged(bool used);

 private:
  std::shared_ptr<platform::FileManagerPresence> presence_;
  std::shared_ptr<platform::ExtensionSwitch> switch_;
  std::shared_ptr<QSettings> own_;
  SetupState state_;
  bool hasUsedAction_ = false;
};

}  // namespace nimbra::app
