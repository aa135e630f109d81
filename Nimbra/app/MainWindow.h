#pragma once
// The app's window, with the application menu in its menu bar: "Check for Updates…",
// a separator, "Uninstall Nimbra…". The setup window takes its place later; until
// then it says what the app is for.

#include <QMainWindow>

namespace nimbra::app {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  // Shown, raised and given the focus.
  void bringForward();

 signals:
  void checkForUpdates();
  void uninstall();
  void showPreferences();
};

}  // namespace nimbra::app
