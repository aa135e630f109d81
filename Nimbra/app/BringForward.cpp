#include "BringForward.h"

#include <QDialog>
#include <QGuiApplication>
#include <QTimer>

namespace nimbra::app {

void bringForward(QWidget& window) {
  window.show();
  window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  window.raise();
  window.activateWindow();
}

void useActivationToken(const QString& token) {
  // Where Qt's Wayland windows take it from when they ask to be activated.
  if (!token.isEmpty() && QGuiApplication::platformName() == QLatin1String("wayland")) {
    qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
  }
}

int execInFront(QDialog& dialog) {
  // Once exec() has shown it as a modal window.
  QTimer::singleShot(0, &dialog, [&dialog] { bringForward(dialog); });
  return dialog.exec();
}

}  // namespace nimbra::app
