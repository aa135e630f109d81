// The setup window on a session bus of its own, where the test plays Files: it owns
// Files' bus name and, as our module does, the extension's while the menus are on.
// Files here is this process, into which the module is never loaded.

#include <QDBusConnection>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

// The test support is plain C++ that moc need not read (its raw strings confuse it).
#ifndef Q_MOC_RUN
#include "../app/DialogDriver.h"
#include "../app/FakeSwitch.h"
#include "FileTesting.h"
#include "PrivateSessionBus.h"
#endif
#include "app/HandOffListener.h"
#include "nimbra/HandOff.h"
#include "setup/MenuPreview.h"
#include "setup/SetupView.h"

using namespace nimbra;
using namespace testing;
using Submenu = app::MenuPreview::Submenu;

namespace {

const QString kFiles = "org.gnome.Nautilus";
const QString kModule = "ai.corvane.nimbra.Extension";

// A row as one line: mark, title, detail, then the button ([[ ]] when prominent).
QString describe(QWidget* view, const char* name) {
  auto* row = view->findChild<app::ChecklistRowView*>(name);
  const auto done = row->isDone();
  auto* button = row->findChild<QPushButton*>();
  QString line = QString(!done   ? "-"
                         : *done ? "done"
                                 : "todo") +
                 " | " + row->findChild<QLabel*>("title")->text() + " | " + row->findChild<QLabel*>("detail")->text();
  if (!button->isHidden()) line += button->isDefault() ? " [[" + button->text() + "]]" : " [" + button->text() + "]";
  return line;
}

QPushButton* button(QWidget* window, const QString& text) {
  for (auto* b : window->findChildren<QPushButton*>()) {
    if (b->text() == text) return b;
  }
  return nullptr;
}

const QString kOnRow = "done | Nimbra is on in Files | You can turn it off again here. [Turn Off…]";
const QString kOffRow =
    "todo | Turn on Nimbra in Files | Nimbra switches on its Files extension, and asks before restarting Files if it "
    "has to. [[Turn On…]]";

}  // namespace

// The test class stays outside namespaces, where moc finds it.
class SetupTest : public QObject {
  Q_OBJECT

 public:
  explicit SetupTest(const std::string& bus)
      : files_(QDBusConnection::connectToBus(QString::fromStdString(bus), "files")) {}

 private:
  QDBusConnection files_;  // Files, with or without our module in it
  std::unique_ptr<TemporaryFolder> folder_;
  std::shared_ptr<FakeSwitch> switch_;
  bool reducesMotion_ = false;
  int quits_ = 0;

  app::AppServices services() {
    app::AppServices s;
    s.extensionSwitch = switch_;
    s.filesModule = *folder_ / "extensions-4/libnimbra-nautilus.so";
    s.quitFiles = [this] {
      ++quits_;
      files_.unregisterService(kModule);
      files_.unregisterService(kFiles);
    };
    s.reducesMotion = [this] { return reducesMotion_; };
    s.ownSettings =
        std::make_shared<QSettings>(QString::fromStdString((*folder_ / "own.ini").string()), QSettings::IniFormat);
    return s;
  }
  void install(bool installed) {
    if (installed) {
      writeText(*folder_ / "extensions-4/libnimbra-nautilus.so", "");
    } else {
      std::filesystem::remove(*folder_ / "extensions-4/libnimbra-nautilus.so");
    }
  }
  void post(std::string_view name) {
    QCOMPARE(runProgram({builtProgram("nimbra-bus-post"), std::string(name)}).status, 0);
  }

 private slots:
  void init() {
    folder_ = std::make_unique<TemporaryFolder>();
    std::filesystem::create_directory(*folder_ / "extensions-4");
    switch_ = std::make_shared<FakeSwitch>();
    switch_->on = false;
    reducesMotion_ = false;
    quits_ = 0;
  }
  void cleanup() {
    files_.unregisterService(kModule);
    files_.unregisterService(kFiles);
  }

  // On: installed, switched on, and loaded in the running Files, if one runs.
  void theChecklistFollowsTheExtensionLiveOnCheckAgainAndOnActivation() {
    install(true);
    switch_->on = true;
    files_.registerService(kFiles);
    files_.registerService(kModule);
    app::SetupView view(services());
    view.show();
    auto* checkAgain = button(&view, "Check again");
    auto* preview = view.findChild<app::MenuPreview*>();
    QCOMPARE(describe(&view, "extensionRow"), kOnRow);
    QCOMPARE(describe(&view, "customizeRow"),
             "- | Make the menus yours | Pick which file types, Send to places and apps appear, and in what order. "
             "[[Customize Menus…]]");
    QVERIFY(checkAgain->isHidden());
    QVERIFY(preview->isOn());

    // Files runs without the module, then quits (the next one loads it), then starts
    // without it: each seen without asking.
    files_.unregisterService(kModule);
    QTRY_COMPARE(describe(&view, "extensionRow"), kOffRow);
    QVERIFY(describe(&view, "customizeRow").endsWith(" [Customize Menus…]"));
    QVERIFY(!checkAgain->isHidden());
    QVERIFY(!preview->isOn());
    files_.unregisterService(kFiles);
    QTRY_COMPARE(describe(&view, "extensionRow"), kOnRow);
    files_.registerService(kFiles);
    QTRY_COMPARE(describe(&view, "extensionRow"), kOffRow);

    // Announced but no longer installed is off; the module put back shows on "Check again".
    install(false);
    files_.registerService(kModule);
    QTest::qWait(100);
    QCOMPARE(describe(&view, "extensionRow"), kOffRow);
    install(true);
    checkAgain->click();
    QCOMPARE(describe(&view, "extensionRow"), kOnRow);

    // The switch off (by hand, say) shows when the window comes back to the front.
    switch_->on = false;
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QTRY_VERIFY(elsewhere.isActiveWindow());
    QCOMPARE(describe(&view, "extensionRow"), kOnRow);
    view.activateWindow();
    QTRY_COMPARE(describe(&view, "extensionRow"), kOffRow);
  }

  void turningOnAndOffGoesThroughTheSwitchAndAsksBeforeRestartingFiles() {
    app::SetupView view(services());
    auto& status = view.status();
    DialogDriver driver;

    // Not installed: the switch goes on, the user is told, Files is left alone.
    files_.registerService(kFiles);
    driver.then<QMessageBox>("", [](QMessageBox* alert) {
      QCOMPARE(alert->text(), QString("Nimbra isn't installed in Files"));
      alert->accept();
    });
    button(&view, "Turn On…")->click();
    QVERIFY(driver.finished());
    QVERIFY(switch_->on);

    // A Files with the module loaded follows the switch: nothing to restart.
    install(true);
    switch_->on = false;
    switch_->changed = [this](bool on) { on ? files_.registerService(kModule) : files_.unregisterService(kModule); };
    button(&view, "Turn On…")->click();
    QVERIFY(status.extensionEnabled());
    driver.then<QMessageBox>("turnOff", [](QMessageBox* ask) {
      QCOMPARE(ask->text(), QString("Turn off Nimbra in Files?"));
      button(ask, "Turn Off")->click();
    });
    button(&view, "Turn Off…")->click();
    QVERIFY(driver.finished());
    QVERIFY(!switch_->on);
    QVERIFY(!status.extensionEnabled());

    // A running Files without it quits only when the user agrees.
    switch_->changed = nullptr;
    for (const char* answer : {"Not Now", "Restart Files"}) {
      driver.then<QMessageBox>("restartFiles", [answer](QMessageBox* ask) { button(ask, answer)->click(); });
      button(&view, "Turn On…")->click();
      QVERIFY(driver.finished());
      QCOMPARE(quits_, answer == std::string("Not Now") ? 0 : 1);
    }
    QTRY_VERIFY(status.extensionEnabled());

    // No Files running: on at once, nothing asked.
    switch_->on = false;
    status.refreshExtensionState();
    bool asked = false;
    {
      DialogDriver watching;
      watching.then<QMessageBox>("", [&asked](QMessageBox* alert) {
        asked = true;
        alert->reject();
      });
      button(&view, "Turn On…")->click();
      QVERIFY(status.extensionEnabled());
    }
    QVERIFY(!asked);
    QCOMPARE(quits_, 1);
  }

  void theFirstUseTicksStepTwoOnceAndIsRemembered() {
    const QString unused =
        "todo | Right-click in a folder | Try New ▸ Text Document, right-click a file for Send to ▸, "
        "or a folder for Open Folder with ▸.";
    const QString used = "done | Right-click in a folder | It works. Nimbra has made something from Files.";
    // Heard here, the posts have reached the window too.
    int heard = 0;
    app::HandOffListener alsoListening;
    alsoListening.listen(handOff::menuUsed, [&heard] { ++heard; });
    alsoListening.listen(handOff::openPreferences, [&heard] { ++heard; });
    {
      app::SetupView view(services());
      QSignalSpy changes(&view.status(), &app::SetupStatus::hasUsedActionChanged);
      post(handOff::openPreferences);
      QTRY_COMPARE(heard, 1);
      QCOMPARE(describe(&view, "tryRow"), unused);
      post(handOff::menuUsed);
      QTRY_COMPARE(describe(&view, "tryRow"), used);
      post(handOff::menuUsed);
      QTRY_COMPARE(heard, 3);
      QCOMPARE(changes.count(), 1);
    }
    QCOMPARE(QSettings(QString::fromStdString((*folder_ / "own.ini").string()), QSettings::IniFormat)
                 .value("hasUsedAction")
                 .toBool(),
             true);
    app::SetupView later(services());
    QCOMPARE(describe(&later, "tryRow"), used);
  }

  void thePreviewCyclesOnlyWhenOnWithMotionAllowed() {
    for (const bool reduce : {false, true}) {
      app::MenuPreview preview([reduce] { return reduce; }, nullptr, std::chrono::milliseconds(20));
      QSignalSpy shown(&preview, &app::MenuPreview::shownChanged);
      preview.show();
      QTest::qWait(100);
      QCOMPARE(shown.count(), 0);  // off: Files' own menu
      preview.setOn(true);
      if (reduce) {
        QTest::qWait(200);
        QCOMPARE(shown.count(), 0);
        QCOMPARE(preview.shown(), Submenu::newMenu);
        continue;
      }
      QTRY_VERIFY(shown.count() >= 4);
      QCOMPARE(shown[0][0].value<Submenu>(), Submenu::sendTo);
      QCOMPARE(shown[1][0].value<Submenu>(), Submenu::openWith);
      QCOMPARE(shown[2][0].value<Submenu>(), Submenu::newMenu);
      preview.setOn(false);
      const auto stoppedAt = shown.count();
      QTest::qWait(100);
      QCOMPARE(shown.count(), stoppedAt);
    }
  }
};

int main(int argc, char** argv) {
  PrivateSessionBus bus;
  ::setenv("DBUS_SESSION_BUS_ADDRESS", bus.address().c_str(), 1);
  QApplication app(argc, argv);
  SetupTest test(bus.address());
  return QTest::qExec(&test, argc, argv);
}

#include "SetupTests.moc"
