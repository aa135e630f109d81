// nimbra: the companion app. One per session: a second launch brings the first
// forward and ends.

#include <QApplication>

#include "app/AppController.h"
#include "app/SingleInstance.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Nimbra");
  QApplication::setOrganizationDomain("corvane.ai");
  QApplication::setDesktopFileName("ai.corvane.nimbra");
  QApplication::setQuitOnLastWindowClosed(true);

  nimbra::app::SingleInstance instance;
  if (!instance.claim()) return 0;

  nimbra::app::AppController controller(nimbra::app::AppServices::system());
  QObject::connect(&instance, &nimbra::app::SingleInstance::activated, &controller,
                   [&controller] { controller.mainWindow().bringForward(); });
  controller.start();
  return QApplication::exec();
}
