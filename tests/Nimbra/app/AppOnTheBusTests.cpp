// The app on a session bus of its own: requests that arrive while it runs, a pick
// in the file manager's extension reaching the running app, and one app per session.

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDialog>
#include <QLabel>
#include <QtTest>

// The test support is plain C++ that moc need not read (its raw strings confuse it).
#ifndef Q_MOC_RUN
#include "DialogDriver.h"
#include "PrivateSessionBus.h"
#include "World.h"
#endif
#include "app/AppController.h"
#include "app/SingleInstance.h"
#include "nimbra/HandOff.h"

using namespace nimbra;
using namespace testing;

// The test class stays outside namespaces, where moc finds it.
class AppOnTheBusTest : public QObject {
  Q_OBJECT

 public:
  // The world's settings, files and bus are this process's own.
  AppOnTheBusTest(World& world, PrivateSessionBus& bus) : world_(world), bus_(bus) {}

 private:
  World& world_;
  PrivateSessionBus& bus_;

  static bool shown(const char* name) {
    return std::ranges::any_of(QApplication::topLevelWidgets(),
                               [name](QWidget* w) { return w->objectName() == name && w->isVisible(); });
  }
  void post(std::string_view name) const {
    QCOMPARE(runProgram({builtProgram("nimbra-bus-post"), std::string(name)}).status, 0);
  }

 private slots:
  void aRequestArrivingWhileTheAppRunsIsServed() {
    app::AppController app(app::AppServices::system());
    app.start();
    auto store = SettingsStore(platform::openSharedSuite());
    store.setBool(settingsKey::pendingOpenPreferences, true);
    post(handOff::openPreferences);
    QTRY_VERIFY(shown("preferences"));
    QVERIFY(!store.boolForKey(settingsKey::pendingOpenPreferences));
  }

  void aPickInTheMenusOpensTheRunningAppsChooser() {
    app::SingleInstance instance;  // the launch the pick makes comes here and ends
    QVERIFY(instance.claim());
    app::AppController app(app::AppServices::system());
    app.start();
    const auto report = world_.home() / "report.pdf";
    writeText(report, "%PDF");
    DialogDriver driver;
    QString message;
    driver.then<QDialog>("transferDialog", [&](QDialog* dialog) {
      message = dialog->findChild<QLabel*>("message")->text();
      dialog->reject();
    });
    // Items menu: [4] Send to ▸ Another Folder…
    const auto pick = world_.menu({"items", "--select", report.string(), "--pick", "4"},
                                  {"DBUS_SESSION_BUS_ADDRESS=" + bus_.address()});
    QCOMPARE(pick.status, 0);
    QTRY_VERIFY(driver.finished());
    QCOMPARE(message, QString("Choose a folder for “report.pdf”"));
  }

  void aSecondLaunchLeavesOneApp() {
    ChildProcess first({builtProgram("nimbra")});
    QTRY_VERIFY(QDBusConnection::sessionBus().interface()->isServiceRegistered("ai.corvane.nimbra"));
    QCOMPARE(ChildProcess({builtProgram("nimbra")}).waitForExit(std::chrono::seconds(10)), 0);
    QCOMPARE(first.waitForExit(std::chrono::milliseconds(200)), -1);  // still running
  }
};

int main(int argc, char** argv) {
  nimbra::testing::World world;
  nimbra::testing::PrivateSessionBus bus;
  for (const auto& entry : world.env({"DBUS_SESSION_BUS_ADDRESS=" + bus.address(), "QT_QPA_PLATFORM=offscreen"})) {
    ::putenv(::strdup(entry.c_str()));
  }
  QApplication app(argc, argv);
  AppOnTheBusTest test(world, bus);
  return QTest::qExec(&test, argc, argv);
}

#include "AppOnTheBusTests.moc"
