#pragma once
// The app's window: the setup checklist and menu preview, with the application menu
// in its menu bar: "Settings…", "Check for Updates…", "Uninstall Nimbra…", "Quit Nimbra".

#include <QMainWindow>

#include "AppServices.h"

namespace nimbra::app {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(const AppServices& services, QWidget* parent = nullptr);

 signals:
  void checkForUpdates();
  void uninstall();
  void showPreferences();
};

}  // namespace nimbra::app
