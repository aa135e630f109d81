#include "AppServices.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QProcess>
#include <QSettings>
#include <QStringList>
#include <QUrl>

#include "Appearance.h"
#include "nimbra/platform/DefaultsSuite.h"
#include "nimbra/platform/linux/SqliteDefaultsSuite.h"

namespace nimbra::app {
namespace {

// org.freedesktop.FileManager1.ShowItems, sent without waiting for the answer.
void showItems(const std::vector<std::filesystem::path>& items) {
  QStringList uris;
  for (const auto& item : items) uris << QUrl::fromLocalFile(QString::fromStdString(item.string())).toString();
  if (uris.isEmpty()) return;
  auto call = QDBusMessage::createMethodCall("org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
                                             "org.freedesktop.FileManager1", "ShowItems");
  call << uris << QString();
  QDBusConnection::sessionBus().asyncCall(call);
}

}  // namespace

AppServices AppServices::system() {
  AppServices services;
  services.openStore = [] { return SettingsStore::open(platform::openSharedSuite()); };
  services.files = platform::systemFileOperations();
  services.extensionSwitch = platform::userExtensionSwitch();
  services.reveal = showItems;
  services.sharedContainer = platform::sharedContainerPath();
  services.quit = [] { QCoreApplication::quit(); };
  services.filesModule = NIMBRA_FILES_MODULE;
  services.quitFiles = [] { QProcess::startDetached("nautilus", {"-q"}); };
  services.reducesMotion = appearance::reducesMotion;
  services.ownSettings = std::make_shared<QSettings>("ai.corvane.nimbra", "Nimbra");
  return services;
}

}  // namespace nimbra::app
