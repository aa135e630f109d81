#pragma once
// The two facts the setup window shows live: whether the menus are on in Files,
// and whether the extension has ever made something for this user.

#include <QDBusServiceWatcher>
#include <QObject>
#include <filesystem>
#include <memory>

#include "app/HandOffListener.h"
#include "nimbra/platform/ExtensionSwitch.h"

class QSettings;

namespace nimbra::app {

// Files' name on the session bus, owned while it runs.
inline constexpr const char* kFilesBusName = "org.gnome.Nautilus";

// "On in Files": installed, switched on, and either no Files runs (the next one loads
// the module; Files also quits on its own once its windows are closed) or the running
// one has it loaded.
struct ExtensionState {
  bool installed = false;   // the module lies where Files loads its extensions from
  bool switchedOn = false;  // the user's switch
  bool filesRunning = false;
  bool loaded = false;  // in the running Files: mapped into it, or announced on the bus

  bool enabled() const { return installed && switchedOn && (!filesRunning || loaded); }
};

class SetupStatus : public QObject {
  Q_OBJECT

 public:
  // `own` are the app's own settings (not the shared store) and outlive the status.
  SetupStatus(std::filesystem::path module, std::shared_ptr<platform::ExtensionSwitch> extensionSwitch, QSettings& own,
              QObject* parent = nullptr);

  bool extensionEnabled() const { return state_.enabled(); }
  const ExtensionState& extensionState() const { return state_; }
  bool hasUsedAction() const { return hasUsedAction_; }
  const std::filesystem::path& module() const { return module_; }

 public slots:
  void refreshExtensionState();
  // Only ever from false to true, remembered across launches.
  void markUsed();

 signals:
  void extensionEnabledChanged(bool enabled);
  void hasUsedActionChanged(bool used);

 private:
  std::filesystem::path module_;
  std::shared_ptr<platform::ExtensionSwitch> switch_;
  QSettings& own_;
  ExtensionState state_;
  bool hasUsedAction_ = false;
  // Files and the module's announcement come and go: followed live.
  QDBusServiceWatcher watcher_;
  HandOffListener listener_;
};

}  // namespace nimbra::app
