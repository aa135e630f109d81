// The setup window over a file manager whose presence the test sets, and the
// extension's notifications in memory.

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

// The test support is plain C++ that moc need not read (its raw strings confuse it).
#ifndef Q_MOC_RUN
#include "../app/DialogDriver.h"
#include "FakeDesktop.h"
#include "FakeExtensionSwitch.h"
#include "FakeFileManagerPresence.h"
#include "FileTesting.h"
#endif
#include "nimbra/HandOff.h"
#include "setup/MenuPreview.h"
#include "setup/SetupView.h"

using namespace nimbra;
using namespace testing;
using Submenu = app::MenuPreview::Submenu;

namespace {

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

const platform::ExtensionPresence kLoaded{true, true, true};
const platform::ExtensionPresence kRunsWithout{true, true, false};
const platform::ExtensionPresence kNotRunning{true, false, false};

}  // namespace

// The test class stays outside namespaces, where moc finds it.
class SetupTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TemporaryFolder> folder_;
  std::shared_ptr<FakeExtensionSwitch> switch_;
  std::shared_ptr<FakeFileManagerPresence> files_;
  std::shared_ptr<FakeNotifications> notifications_;
  bool reducesMotion_ = false;

  app::AppServices services() {
    app::AppServices s;
    s.extensionSwitch = switch_;
    s.presence = files_;
    s.notifications = notifications_;
    s.reducesMotion = [this] { return reducesMotion_; };
    s.ownSettings =
        std::make_shared<QSettings>(QString::fromStdString((*folder_ / "own.ini").string()), QSettings::IniFormat);
    return s;
  }

 private slots:
  void init() {
    folder_ = std::make_unique<TemporaryFolder>();
    switch_ = std::make_shared<FakeExtensionSwitch>();
    switch_->on = false;
    files_ = std::make_shared<FakeFileManagerPresence>();
    notifications_ = std::make_shared<FakeNotifications>();
    reducesMotion_ = false;
  }

  void theChecklistFollowsTheFileManagerLiveOnCheckAgainAndOnActivation() {
    switch_->on = true;
    files_->now = kLoaded;
    app::SetupView view(services());
    view.show();
    QTRY_VERIFY(view.isActiveWindow());
    auto* checkAgain = button(&view, "Check again");
    auto* preview = view.findChild<app::MenuPreview*>();
    QCOMPARE(describe(&view, "extensionRow"), kOnRow);
    QCOMPARE(describe(&view, "customizeRow"),
             "- | Make the menus yours | Pick which file types, Send to places and apps appear, and in what order. "
             "[[Customize Menus…]]");
    QVERIFY(checkAgain->isHidden());
    QVERIFY(preview->isOn());

    // Files starts without the module: seen without asking, the prominent button moves back.
    files_->change(kRunsWithout);
    QCOMPARE(describe(&view, "extensionRow"), kOffRow);
    QVERIFY(describe(&view, "customizeRow").endsWith(" [Customize Menus…]"));
    QVERIFY(!checkAgain->isHidden());
    QVERIFY(!preview->isOn());

    // What changed unannounced shows on "Check again", and when the window comes back to the front.
    files_->now = kNotRunning;
    checkAgain->click();
    QCOMPARE(describe(&view, "extensionRow"), kOnRow);
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
    files_->now = {false, true, false};
    app::SetupView view(services());
    auto& status = view.status();
    DialogDriver driver;

    // Not installed: the switch goes on, the user is told where it belongs, Files is left alone.
    driver.then<QMessageBox>("", [](QMessageBox* alert) {
      QCOMPARE(alert->text(), QString("Nimbra isn't installed in Files"));
      QVERIFY(alert->informativeText().startsWith("Files loads its extensions from /usr/lib/nautilus/extensions-4,"));
      alert->accept();
    });
    button(&view, "Turn On…")->click();
    QVERIFY(driver.finished());
    QVERIFY(switch_->on);

    // A Files with the module loaded follows the switch: nothing to restart.
    files_->now = kLoaded;
    switch_->on = false;
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
    files_->now = kRunsWithout;
    for (const char* answer : {"Not Now", "Restart Files"}) {
      driver.then<QMessageBox>("restartFiles", [answer](QMessageBox* ask) { button(ask, answer)->click(); });
      button(&view, "Turn On…")->click();
      QVERIFY(driver.finished());
      QCOMPARE(files_->takeIns, answer == std::string("Not Now") ? 0 : 1);
    }
    // A file manager that reads its settings for every menu (Dolphin) has the
    // extension switched on there instead.
    files_->way = platform::FileManagerPresence::TakesIn::bySwitchingOn;
    driver.then<QMessageBox>("switchOnInFileManager", [](QMessageBox* ask) {
      QCOMPARE(ask->text(), QString("Switch on Nimbra in Files?"));
      QCOMPARE(ask->informativeText(), QString("Nimbra is switched off in Files' context menu settings. Switch it on there?"));
      button(ask, "Switch On")->click();
    });
    button(&view, "Turn On…")->click();
    QVERIFY(driver.finished());
    QCOMPARE(files_->takeIns, 2);

    // A switch that cannot be saved is told in words, and nothing else happens.
    switch_->on = false;
    switch_->fails = true;
    driver.then<QMessageBox>("", [](QMessageBox* alert) {
      QCOMPARE(alert->text(), QString("Couldn't turn on Nimbra"));
      QCOMPARE(alert->informativeText(),
               QString("Nimbra couldn't save its switch. You don't have permission to write to “ai.corvane.nimbra”."));
      alert->accept();
    });
    button(&view, "Turn On…")->click();
    QVERIFY(driver.finished());
    QCOMPARE(files_->takeIns, 2);
  }

  void theFirstUseTicksStepTwoOnceAndIsRemembered() {
    const QString unused =
        "todo | Right-click in a folder | Try New ▸ Text Document, right-click a file for Send to ▸, "
        "or a folder for Open Folder with ▸.";
    const QString used = "done | Right-click in a folder | It works. Nimbra has made something from Files.";
    {
      app::SetupView view(services());
      QSignalSpy changes(&view.status(), &app::SetupStatus::hasUsedActionChanged);
      notifications_->post(handOff::openPreferences);
      QCOMPARE(describe(&view, "tryRow"), unused);
      notifications_->post(handOff::menuUsed);
      QCOMPARE(describe(&view, "tryRow"), used);
      notifications_->post(handOff::menuUsed);
      QCOMPARE(changes.count(), 1);
    }
    notifications_->post(handOff::menuUsed);  // the window is gone: nobody is told
    QCOMPARE(QSettings(QString::fromStdString((*folder_ / "own.ini").string()), QSettings::IniFormat)
                 .value("hasUsedAction")
                 .toBool(),
             true);
    app::SetupView later(services());
    QCOMPARE(describe(&later, "tryRow"), used);
  }

  void thePreviewCyclesOnlyWhenOnWithMotionAllowed() {
    for (const bool reduce : {false, true}) {
      app::MenuPreview preview([reduce] { return reduce; }, "Files", nullptr, std::chrono::milliseconds(20));
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

QTEST_MAIN(SetupTest)
#include "SetupTests.moc"
