#include "MainWindow.h"

#include <QLayout>
#include <QMenuBar>

#include "setup/SetupView.h"
#include "Texts.h"

namespace nimbra::app {

MainWindow::MainWindow(const AppServices& services, QWidget* parent) : QMainWindow(parent) {
  setWindowTitle("Nimbra");
  auto* menu = menuBar()->addMenu("Nimbra");
  menu->addAction(Texts::tr("Settings…"), this, &MainWindow::showPreferences);
  menu->addSeparator();
  menu->addAction(Texts::tr("Check for Updates…"), this, &MainWindow::checkForUpdates);
  menu->addSeparator();
  menu->addAction(Texts::tr("Uninstall Nimbra…"), this, &MainWindow::uninstall);
  menu->addSeparator();
  // The app, not this window: the preferences may be open too.
  menu->addAction(Texts::tr("Quit Nimbra"), QKeySequence::Quit, this, [quit = services.quit] { quit(); });

  auto* setup = new SetupView(services, this);
  connect(setup, &SetupView::customizeMenus, this, &MainWindow::showPreferences);
  setCentralWidget(setup);
  // Sized to its content.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace nimbra::app
