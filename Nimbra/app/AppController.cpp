#include "AppController.h"

#include <QApplication>
#include <QTimer>

#include "Alerts.h"
#include "BringForward.h"
#include "alias/AliasMaker.h"
#include "nimbra/Overloaded.h"
#include "preferences/PreferencesWindow.h"
#include "transfer/TransferPicker.h"
#include "uninstall/Uninstaller.h"
#include "Texts.h"

namespace nimbra::app {

AppController::AppController(AppServices services, QObject* parent)
    : QObject(parent), services_(std::move(services)), window_(services_) {
  connect(&window_, &MainWindow::showPreferences, this, &AppController::showPreferences);
  connect(&window_, &MainWindow::checkForUpdates, this, &AppController::checkForUpdates);
  connect(&window_, &MainWindow::uninstall, this, [this] { runUninstaller(services_, &window_); });
}

AppController::~AppController() = default;

void AppController::start() {
  bringForward(window_);
  for (const auto name : handOff::requests) {
    services_.notifications->listen(name, [self = QPointer(this), name] {
      if (!self) return;
      auto store = self->services_.openStore();
      if (const auto request = handOff::received(name, store ? &*store : nullptr)) {
        // Served on a later turn: the bus's callback is not the place for a modal window.
        QTimer::singleShot(0, self, [self, request = *request] { self->serve(request); });
      }
    });
  }
  auto store = services_.openStore();
  if (!store) {
    warn(&window_, Texts::tr("Nimbra is misconfigured"),
         Texts::tr("Nimbra can't reach its shared settings store. This usually means the app needs to be reinstalled. "
                   "Settings won't sync between the app and the Files extension until this is fixed."));
    return;
  }
  for (const auto& request : handOff::takePending(*store)) serve(request);
}

void AppController::serve(const handOff::Request& request) {
  std::visit(Overloaded{
                 [this](const handOff::OpenPreferences&) { QTimer::singleShot(0, this, &AppController::showPreferences); },
                 [this](const handOff::MakeAlias& alias) { runAliasMaker(alias.folder, services_, &window_); },
                 [this](const handOff::Transfer& transfer) { runTransferPicker(transfer.items, services_, &window_); },
             },
             request);
}

void AppController::activate(const QString& activationToken) {
  useActivationToken(activationToken);
  if (auto* modal = QApplication::activeModalWidget()) return bringForward(*modal);
  if (requested_ && requested_->isVisible()) return bringForward(*requested_);
  bringForward(window_);
}

void AppController::showPreferences() {
  if (!preferences_) {
    preferences_ = std::make_unique<preferences::PreferencesWindow>(preferences::PreferencesServices::system(services_.openStore));
  }
  requested_ = preferences_.get();
  bringForward(*preferences_);
}

}  // namespace nimbra::app
