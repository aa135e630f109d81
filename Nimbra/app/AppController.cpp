#include "AppController.h"

#include <QTimer>

#include "Alerts.h"
#include "alias/AliasMaker.h"
#include "nimbra/HandOff.h"
#include "preferences/PreferencesWindow.h"
#include "transfer/TransferPicker.h"
#include "uninstall/Uninstaller.h"

namespace nimbra::app {

AppController::AppController(AppServices services, QObject* parent)
    : QObject(parent), services_(std::move(services)), window_(services_) {
  connect(&window_, &MainWindow::showPreferences, this, &AppController::showPreferences);
  connect(&window_, &MainWindow::checkForUpdates, this, &AppController::checkForUpdates);
  connect(&window_, &MainWindow::uninstall, this, [this] { runUninstaller(services_, &window_); });
}

AppController::~AppController() = default;

void AppController::start() {
  window_.bringForward();
  listener_.listen(handOff::openPreferences, [this] { servePreferences(services_.openStore()); });
  auto store = services_.openStore();
  const bool storeAvailable = store.has_value();
  if (store && store->boolForKey(settingsKey::pendingOpenPreferences)) servePreferences(std::move(store));
  // Served on a later turn of the event loop, once the bus has delivered the signal.
  listener_.listen(handOff::makeAlias, [this] { QTimer::singleShot(0, this, &AppController::serveAlias); });
  listener_.listen(handOff::transfer, [this] { QTimer::singleShot(0, this, &AppController::serveTransfer); });
  serveAlias();
  serveTransfer();
  if (!storeAvailable) {
    warn(&window_, "Nimbra is misconfigured",
         "Nimbra can't reach its shared settings store. This usually means the app needs to be reinstalled. Settings "
         "won't sync between the app and the Files extension until this is fixed.");
  }
}

void AppController::servePreferences(std::optional<SettingsStore> store) {
  if (store) {
    try {
      store->setBool(settingsKey::pendingOpenPreferences, false);
    } catch (const SettingsStore::WriteFailed&) {
      // Shown anyway: the request was heard.
    }
  }
  QTimer::singleShot(0, this, &AppController::showPreferences);
}

void AppController::serveAlias() { runAliasMaker(services_, &window_); }

void AppController::serveTransfer() { runTransferPicker(services_, &window_); }

void AppController::showPreferences() {
  if (!preferences_) {
    preferences_ = std::make_unique<preferences::PreferencesWindow>(preferences::PreferencesServices::system(services_.openStore));
  }
  preferences_->bringForward();
}

}  // namespace nimbra::app
