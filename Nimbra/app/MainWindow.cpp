#include "MainWindow.h"

#include <QLayout>
#include <QMenuBar>

#include "setup/SetupView.h"

namespace nimbra::app {

MainWindow::MainWindow(const AppServices& services, QWidget* parent) : QMainWindow(parent) {
  setWindowTitle("Nimbra");
  auto* menu = menuBar()->addMenu("Nimbra");
  menu->addAction("Settings…", this, &MainWindow::showPreferences);
  menu->addSeparator();
  menu->addAction("Check for Updates…", this, &MainWindow::checkForUpdates);
  menu->addSeparator();
  menu->addAction("Uninstall Nimbra…", this, &MainWindow::uninstall);
  menu->addSeparator();
  menu->addAction("Quit Nimbra", QKeySequence::Quit, this, &QWidget::close);

  auto* setup = new SetupView(services, this);
  connect(setup, &SetupView::customizeMenus, this, &MainWindow::showPreferences);
  setCentralWidget(setup);
  // Sized to its content.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::bringForward() {
  show();
  setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  raise();
  activateWindow();
}

}  // namespace nimbra::app
