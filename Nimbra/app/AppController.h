#pragma once
// The app's start-up and the receiving side of the extension's hand-offs: each
// request is served whether it arrives while the app runs (the extension's
// notification) or launches it (the value found pending at start).

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "AppServices.h"
#include "HandOffListener.h"
#include "MainWindow.h"

namespace nimbra::app {

class AppController : public QObject {
  Q_OBJECT

 public:
  explicit AppController(AppServices services, QObject* parent = nullptr);

  // In this order: listen for "openPreferences"; serve a pending preferences request;
  // listen for "makeAlias" and "transfer"; serve a pending alias, then a pending
  // transfer; warn when the shared settings cannot be reached.
  void start();

  MainWindow& mainWindow() { return window_; }
  // The one preferences window, brought forward.
  void showPreferences();
  void serveAlias();
  void serveTransfer();

 signals:
  void checkForUpdates();

 private:
  AppServices services_;
  MainWindow window_;
  HandOffListener listener_;
  QPointer<QWidget> preferences_;
};

}  // namespace nimbra::app
