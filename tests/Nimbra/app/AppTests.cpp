// The companion app driven as a person would, through its real windows, with the
// shared settings in memory and real files in a temporary folder.

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

// The test support is plain C++ that moc need not read (its raw strings confuse it).
#ifndef Q_MOC_RUN
#include "DialogDriver.h"
#include "FakeDefaultsSuite.h"
#include "FakeDesktop.h"
#include "FakeExtensionSwitch.h"
#include "FakeFileManagerPresence.h"
#include "FileTesting.h"
#include "RecordingFileOperations.h"
#endif
#include "app/AppController.h"
#include "app/BringForward.h"
#include "uninstall/Uninstaller.h"
#include "nimbra/HandOff.h"

using namespace nimbra;
using namespace testing;
namespace fs = std::filesystem;

namespace {

QString label(QWidget* window, const char* name) { return window->findChild<QLabel*>(name)->text(); }

QPushButton* button(QWidget* window, const QString& text) {
  for (auto* b : window->findChildren<QPushButton*>()) {
    if (b->text() == text) return b;
  }
  return nullptr;
}

// Types the item's path into the chooser's name field and accepts, as a person would.
void choose(QWidget* window, const fs::path& item) {
  auto* chooser = window->findChild<QFileDialog*>();
  const QString prompt = chooser->labelText(QFileDialog::Accept);
  chooser->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(item.string()));
  const QString promptForItem = chooser->labelText(QFileDialog::Accept);
  QMetaObject::invokeMethod(chooser, "accept");
  QVERIFY2(!chooser->isWindow(), "the chooser belongs inside the dialog");
  QCOMPARE(promptForItem, prompt);  // whatever is chosen, the button says what it does
}

}  // namespace

// The test class stays outside namespaces, where moc finds it.
class AppTest : public QObject {
  Q_OBJECT

 private:
  std::shared_ptr<FakeDefaultsSuite> suite_;
  std::unique_ptr<SettingsStore> store_;
  std::unique_ptr<TemporaryFolder> folder_;
  std::shared_ptr<platform::FileOperations> real_ = platform::systemFileOperations();
  std::shared_ptr<RecordingFileOperations> files_;
  std::shared_ptr<FakeExtensionSwitch> switch_;
  std::shared_ptr<FakeFileManager> fileManager_;
  std::shared_ptr<FakeNotifications> notifications_;
  bool reachable_ = true;
  int quits_ = 0;

  app::AppServices services() {
    app::AppServices s;
    s.openStore = [this]() -> std::optional<SettingsStore> {
      if (!reachable_) return std::nullopt;
      return *store_;
    };
    s.files = files_;
    s.extensionSwitch = switch_;
    s.fileManager = fileManager_;
    s.notifications = notifications_;
    s.presence = std::make_shared<FakeFileManagerPresence>();
    s.sharedContainer = *folder_ / "container";
    s.quit = [this] { ++quits_; };
    s.reducesMotion = [] { return true; };
    s.ownSettings = std::make_shared<QSettings>(QString::fromStdString((*folder_ / "own.ini").string()), QSettings::IniFormat);
    return s;
  }
  fs::path file(const std::string& name) {
    writeText(*folder_ / name, name);
    return *folder_ / name;
  }

 private slots:
  void init() {
    suite_ = std::make_shared<FakeDefaultsSuite>();
    store_ = std::make_unique<SettingsStore>(suite_);
    folder_ = std::make_unique<TemporaryFolder>();
    files_ = std::make_shared<RecordingFileOperations>(*real_);
    switch_ = std::make_shared<FakeExtensionSwitch>();
    fileManager_ = std::make_shared<FakeFileManager>();
    notifications_ = std::make_shared<FakeNotifications>();
    reachable_ = true;
    quits_ = 0;
  }

  void aTransferIsMovedAndShown() {
    const auto report = file("report.pdf");
    fs::create_directory(*folder_ / "Archive");
    app::AppController app(services());
    DialogDriver driver;
    driver.then<QDialog>("transferDialog", [&](QDialog* dialog) {
      QCOMPARE(label(dialog, "message"), QString("Choose a folder for “report.pdf”"));
      auto* chooser = dialog->findChild<QFileDialog*>();
      QCOMPARE(chooser->labelText(QFileDialog::Accept), QString("Copy Here"));
      button(dialog, "Move")->click();
      QCOMPARE(chooser->labelText(QFileDialog::Accept), QString("Move Here"));
      choose(dialog, *folder_ / "Archive");
    });
    app.serve(handOff::Transfer{{report}});
    QVERIFY(driver.finished());
    QVERIFY(fs::exists(*folder_ / "Archive/report.pdf"));
    QVERIFY(!fs::exists(report));
    QCOMPARE(fileManager_->revealed, std::vector<fs::path>{*folder_ / "Archive/report.pdf"});
  }

  void cancellingLeavesNothing() {
    app::AppController app(services());
    DialogDriver driver;
    driver.then<QDialog>("transferDialog", [&](QDialog* dialog) {
      QCOMPARE(label(dialog, "message"), QString("Choose a folder for the 3 items"));
      dialog->reject();
    });
    app.serve(handOff::Transfer{{file("a"), file("b"), file("c")}});
    QVERIFY(driver.finished());
    QVERIFY(files_->operations.empty());
    QVERIFY(fileManager_->revealed.empty());
  }

  void aFolderInsideAnItemIsRefusedAndFailuresAreTold() {
    fs::create_directories(*folder_ / "Photos/2024");
    app::AppController app(services());
    DialogDriver driver;
    driver.then<QDialog>("transferDialog", [&](QDialog* dialog) { choose(dialog, *folder_ / "Photos/2024"); });
    driver.then<QMessageBox>("", [](QMessageBox* alert) {
      QCOMPARE(alert->text(), QString("Can't put “Photos” inside itself"));
      QCOMPARE(alert->informativeText(), QString("Choose a folder outside it."));
      alert->accept();
    });
    app.serve(handOff::Transfer{{*folder_ / "Photos", file("notes.txt")}});
    QVERIFY(driver.finished());
    QVERIFY(files_->operations.empty());

    // The second item fails: the first stays copied, and the alert says why in words.
    fs::create_directory(*folder_ / "Out");
    files_->fault = [copies = 0](const std::string& operation) mutable -> std::optional<int> {
      if (operation == "copyItem" && ++copies == 2) return EACCES;
      return std::nullopt;
    };
    driver.then<QDialog>("transferDialog", [&](QDialog* dialog) { choose(dialog, *folder_ / "Out"); });
    driver.then<QMessageBox>("", [](QMessageBox* alert) {
      QCOMPARE(alert->text(), QString("Couldn't copy the items"));
      QCOMPARE(alert->informativeText(), QString("You don't have permission to write to “Out”."));
      alert->accept();
    });
    app.serve(handOff::Transfer{{file("one.txt"), file("two.txt")}});
    QVERIFY(driver.finished());
    QVERIFY(fs::exists(*folder_ / "Out/one.txt"));
    QVERIFY(fileManager_->revealed.empty());
  }

  void aliasesAreNumberedAndMayOpenFolders() {
    const auto report = file("report.pdf");
    fs::create_directory(*folder_ / "Projects");
    app::AppController app(services());
    DialogDriver driver;
    for (const auto& target : {report, report, *folder_ / "Projects"}) {
      driver.then<QDialog>("aliasDialog", [&, target](QDialog* dialog) {
        QCOMPARE(label(dialog, "message"), QString("Choose what the alias in “") +
                                               QString::fromStdString(folder_->path().filename().string()) +
                                               "” should open");
        QCOMPARE(dialog->findChild<QFileDialog*>()->labelText(QFileDialog::Accept), QString("Make Alias"));
        choose(dialog, target);
      });
      app.serve(handOff::MakeAlias{folder_->path()});
    }
    QVERIFY(driver.finished());
    QCOMPARE(fs::read_symlink(*folder_ / "report.pdf alias"), report);
    QCOMPARE(fs::read_symlink(*folder_ / "report.pdf alias 2"), report);
    QCOMPARE(fs::read_symlink(*folder_ / "Projects alias"), *folder_ / "Projects");
    QCOMPARE(fileManager_->revealed.back(), *folder_ / "Projects alias");
  }

  void startServesPendingRequestsInOrderOrWarnsWithoutSettings() {
    store_->setPendingAliasFolder(folder_->path());
    store_->setPendingTransferItems({file("report.pdf")});
    store_->setBool(settingsKey::pendingOpenPreferences, true);
    std::vector<QString> seen;
    app::AppController app(services());
    DialogDriver driver;
    driver.then<QDialog>("aliasDialog", [&](QDialog* d) { seen.push_back(d->objectName()); d->reject(); });
    driver.then<QDialog>("transferDialog", [&](QDialog* d) { seen.push_back(d->objectName()); d->reject(); });
    app.start();
    QVERIFY(driver.finished());
    QCOMPARE(seen, (std::vector<QString>{"aliasDialog", "transferDialog"}));
    QVERIFY(!store_->boolForKey(settingsKey::pendingOpenPreferences));
    QTRY_VERIFY(std::ranges::any_of(QApplication::topLevelWidgets(),
                                    [](QWidget* w) { return w->objectName() == "preferences" && w->isVisible(); }));

    reachable_ = false;
    app::AppController unreachable(services());
    driver.then<QMessageBox>("", [](QMessageBox* alert) {
      QCOMPARE(alert->text(), QString("Nimbra is misconfigured"));
      QCOMPARE(alert->informativeText(),
               QString("Nimbra can't reach its shared settings store. This usually means the app needs to be reinstalled. "
                       "Settings won't sync between the app and the Files extension until this is fixed."));
      alert->accept();
    });
    unreachable.start();
    QVERIFY(driver.finished());
  }

  void uninstallingAsksThenSwitchesOffAndRemovesOnlyWhatWasAskedFor() {
    fs::create_directories(*folder_ / "container");
    DialogDriver driver;
    driver.then<QMessageBox>("uninstallConfirm", [](QMessageBox* alert) { button(alert, "Cancel")->click(); });
    QVERIFY(!app::runUninstaller(services(), nullptr));
    QVERIFY(switch_->on);
    QCOMPARE(quits_, 0);

    for (const bool removeSettings : {false, true}) {
      driver.then<QMessageBox>("uninstallConfirm", [removeSettings](QMessageBox* alert) {
        QCOMPARE(alert->text(), QString("Uninstall Nimbra?"));
        QCOMPARE(alert->checkBox()->text(), QString("Also remove my saved file types"));
        alert->checkBox()->setChecked(removeSettings);
        button(alert, "Continue")->click();
      });
      driver.then<QMessageBox>("", [](QMessageBox* alert) {
        QCOMPARE(alert->text(), QString("Files extension disabled"));
        button(alert, "Quit Nimbra")->click();
      });
      QVERIFY(app::runUninstaller(services(), nullptr));
      QVERIFY(driver.finished());
      QVERIFY(!switch_->on);
      QCOMPARE(fs::exists(*folder_ / "container"), !removeSettings);
    }
    QCOMPARE(quits_, 2);

    // A switch that cannot be saved is told, not reported off; the settings stay.
    fs::create_directories(*folder_ / "container");
    switch_->on = true;
    switch_->fails = true;
    driver.then<QMessageBox>("uninstallConfirm", [](QMessageBox* alert) {
      alert->checkBox()->setChecked(true);
      button(alert, "Continue")->click();
    });
    driver.then<QMessageBox>("", [](QMessageBox* alert) {
      QCOMPARE(alert->text(), QString("Couldn't turn off Nimbra"));
      QCOMPARE(alert->informativeText(),
               QString("Nimbra couldn't save its switch. You don't have permission to write to “ai.corvane.nimbra”. "
                       "Nothing was removed. Once that is mended, choose Uninstall Nimbra… again."));
      alert->accept();
    });
    QVERIFY(!app::runUninstaller(services(), nullptr));
    QVERIFY(driver.finished());
    QVERIFY(fs::exists(*folder_ / "container"));
    QCOMPARE(quits_, 2);
  }

  // A second launch (a pick in Files) brings the window of the request forward, not
  // the setup window over it; Quit Nimbra ends the app whatever is open.
  void theRequestsWindowComesForwardAndQuitEndsTheApp() {
    app::AppController app(services());
    app.start();
    DialogDriver driver;
    driver.then<QDialog>("transferDialog", [&](QDialog* dialog) {
      app::bringForward(app.mainWindow());
      QTRY_VERIFY(app.mainWindow().isActiveWindow());
      app.activate({});
      QTRY_VERIFY(dialog->isActiveWindow());
      dialog->reject();
    });
    app.serve(handOff::Transfer{{file("a")}});
    QVERIFY(driver.finished());

    app.showPreferences();
    app::bringForward(app.mainWindow());
    QTRY_VERIFY(app.mainWindow().isActiveWindow());
    app.activate({});
    QTRY_VERIFY(QApplication::activeWindow() && QApplication::activeWindow()->objectName() == "preferences");

    for (auto* action : app.mainWindow().findChildren<QAction*>()) {
      if (action->text() == "Quit Nimbra") action->trigger();
    }
    QCOMPARE(quits_, 1);
  }
};

QTEST_MAIN(AppTest)
#include "AppTests.moc"
