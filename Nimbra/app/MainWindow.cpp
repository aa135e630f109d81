#include "MainWindow.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace nimbra::app {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle("Nimbra");
  auto* menu = menuBar()->addMenu("Nimbra");
  menu->addAction("Settings…", this, &MainWindow::showPreferences);
  menu->addSeparator();
  menu->addAction("Check for Updates…", this, &MainWindow::checkForUpdates);
  menu->addSeparator();
  menu->addAction("Uninstall Nimbra…", this, &MainWindow::uninstall);
  menu->addSeparator();
  menu->addAction("Quit Nimbra", QKeySequence::Quit, this, &QWidget::close);

  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  auto* text = new QLabel("Right-click a folder's background in Files for New, or selected items for Send to "
                          "and Open Folder with.", body);
  text->setWordWrap(true);
  layout->addWidget(text);
  auto* preferences = new QPushButton("Customize Menus…", body);
  connect(preferences, &QPushButton::clicked, this, &MainWindow::showPreferences);
  layout->addWidget(preferences, 0, Qt::AlignRight);
  setCentralWidget(body);
}

void MainWindow::bringForward() {
  show();
  setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  raise();
  activateWindow();
}

}  // namespace nimbra::app
