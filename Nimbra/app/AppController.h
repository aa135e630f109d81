#pragma once
// The app's start-up and the receiving side of the extension's hand-offs: each
// request is served whether it arrives while the app runs (the extension's
// notification) or launches it (the value found pending at start).

#include <QObject>
#include <memory>

#include "AppServices.h"
#include "HandOffListener.h"
#include "MainWindow.h"

namespace nimbra::preferences { class PreferencesWindow; }

namespace nimbra::app {

class AppController : public QObject {
  Q_OBJECT

 public:
  explicit AppController(AppServices services, QObject* parent = nullptr);
  ~AppController() override;

  // In this order: listen for "openPreferences"; serve a pending preferences request;
  // listen for "makeAlias" and "transfer"; serve a pending alias, then a pending
  // transfer; warn when the shared settings cannot be reached.
  void start();

  MainWindow& mainWindow() { return window_; }
  // The one preferences window, made on first use and then brought forward as it was.
  void showPreferences();
  void serveAlias();
  void serveTransfer();

 signals:
  void checkForUpdates();

 private:
  // Clears the pending request in `store` (when there is one), then shows the preferences.
  void servePreferences(std::optional<SettingsStore> store);

  AppServices services_;
  MainWindow window_;
  HandOffListener listener_;
  std::unique_ptr<preferences::PreferencesWindow> preferences_;
};

}  // namespace nimbra::app
