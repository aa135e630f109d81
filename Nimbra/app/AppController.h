#pragma once
// The app's start-up and the receiving side of the extension's hand-offs: each
// request is served whether it arrives while the app runs (the extension's
// notification) or launches it (the value found pending at start).

#include <QObject>
#include <QPointer>
#include <memory>

#include "AppServices.h"
#include "MainWindow.h"
#include "nimbra/HandOff.h"

namespace nimbra::preferences { class PreferencesWindow; }

namespace nimbra::app {

class AppController : public QObject {
  Q_OBJECT

 public:
  explicit AppController(AppServices services, QObject* parent = nullptr);
  ~AppController() override;

  // Listens for the extension's requests, serves those left pending (the
  // preferences, an alias, a transfer), then warns when the shared settings cannot
  // be reached.
  void start();

  MainWindow& mainWindow() { return window_; }
  // The one preferences window, made on first use and then brought forward as it was.
  void showPreferences();
  void serve(const handOff::Request& request);
  // Another launch asked the app to come forward (with the desktop's activation
  // token, when it had one): the window of the request being served comes forward,
  // else the setup window.
  void activate(const QString& activationToken);

 signals:
  void checkForUpdates();

 private:
  AppServices services_;
  MainWindow window_;
  std::unique_ptr<preferences::PreferencesWindow> preferences_;
  // The window the last request showed, while it is open.
  QPointer<QWidget> requested_;
};

}  // namespace nimbra::app
