// nimbra: the companion app. One per session: a second launch brings the first
// forward and ends.

#include <QApplication>

#include "Updater.h"
#include "app/AppController.h"
#include "app/BringForward.h"
#include "app/Appearance.h"
#include "app/SingleInstance.h"
#include "app/Translations.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Nimbra");
  QApplication::setOrganizationDomain("corvane.ai");
  QApplication::setDesktopFileName("ai.corvane.nimbra");
  nimbra::app::installTranslations();

  nimbra::app::SingleInstance instance;
  if (!instance.claim()) return 0;
  nimbra::app::useActivationToken(nimbra::app::SingleInstance::launchToken());
  nimbra::app::appearance::followDesktop();

  nimbra::app::AppController controller(nimbra::app::AppServices::system());
  QObject::connect(&instance, &nimbra::app::SingleInstance::activated, &controller,
                   &nimbra::app::AppController::activate);
  auto& updater = nimbra::updates::Updater::shared();
  QObject::connect(&controller, &nimbra::app::AppController::checkForUpdates, &updater,
                   &nimbra::updates::Updater::checkForUpdates);
  controller.start();
  updater.startAutomaticChecks();
  return QApplication::exec();
}
