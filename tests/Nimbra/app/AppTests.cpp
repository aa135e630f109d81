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
#include "FakeSwitch.h"
#include "FileTesting.h"
#include "RecordingFileOperations.h"
#endif
#include "app/AppController.h"
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
  std::shared_ptr<FakeSwitch> switch_;
  std::vector<fs::path> revealed_;
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
    s.reveal = [this](const std::vector<fs::path>& items) { revealed_.insert(revealed_.end(), items.begin(), items.end()); };
    s.sharedContainer = *folder_ / "container";
    s.quit = [this] { ++quits_; };
    s.filesModule = *folder_ / "no-module.so";
    s.quitFiles = [] {};
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
    switch_ = std::make_shared<FakeSwitch>();
    revealed_.clear();
    reachable_ = true;
    quits_ = 0;
  }

  void aTransferIsClearedBeforeAskingThenMovedAndShown() {
    const auto report = file("report.pdf");
    fs::create_directory(*folder_ / "Archive");
    store_->setPendingTransferItems({report});
    app::AppController app(services());
    DialogDriver driver;
    driver.then<QDialog>("transferDialog", [&](QDialog* dialog) {
      QCOMPARE(label(dialog, "message"), QString("Choose a folder for “report.pdf”"));
      auto* chooser = dialog->findChild<QFileDialog*>();
      QCOMPARE(chooser->labelText(QFileDialog::Accept), QString("Copy Here"));
      QVERIFY(store_->pendingTransferItems().empty());
      button(dialog, "Move")->click();
      QCOMPARE(chooser->labelText(QFileDialog::Accept), QString("Move Here"));
      choose(dialog, *folder_ / "Archive");
    });
    app.serveTransfer();
    QVERIFY(driver.finished());
    QVERIFY(fs::exists(*folder_ / "Archive/report.pdf"));
    QVERIFY(!fs::exists(report));
    QCOMPARE(revealed_, std::vector<fs::path>{*folder_ / "Archive/report.pdf"});
  }

  void cancellingLeavesNothingAndTheRequestIsGone() {
    store_->setPendingTransferItems({file("a"), file("b"), file("c")});
    app::AppController app(services());
    DialogDriver driver;
    driver.then<QDialog>("transferDialog", [&](QDialog* dialog) {
      QCOMPARE(label(dialog, "message"), QString("Choose a folder for the 3 items"));
      dialog->reject();
    });
    app.serveTransfer();
    app.serveTransfer();  // nothing pending any more: no window
    QVERIFY(driver.finished());
    QVERIFY(files_->operations.empty());
    QVERIFY(revealed_.empty());
  }

  void aFolderInsideAnItemIsRefusedAndFailuresAreTold() {
    fs::create_directories(*folder_ / "Photos/2024");
    store_->setPendingTransferItems({*folder_ / "Photos", file("notes.txt")});
    app::AppController app(services());
    DialogDriver driver;
    driver.then<QDialog>("transferDialog", [&](QDialog* dialog) { choose(dialog, *folder_ / "Photos/2024"); });
    driver.then<QMessageBox>("", [](QMessageBox* alert) {
      QCOMPARE(alert->text(), QString("Can't put “Photos” inside itself"));
      QCOMPARE(alert->informativeText(), QString("Choose a folder outside it."));
      alert->accept();
    });
    app.serveTransfer();
    QVERIFY(driver.finished());
    QVERIFY(files_->operations.empty());

    // The second item fails: the first stays copied, and the alert says why.
    fs::create_directory(*folder_ / "Out");
    store_->setPendingTransferItems({file("one.txt"), file("two.txt")});
    files_->fault = [copies = 0](const std::string& operation) mutable -> std::optional<int> {
      if (operation == "copyItem" && ++copies == 2) return EACCES;
      return std::nullopt;
    };
    driver.then<QDialog>("transferDialog", [&](QDialog* dialog) { choose(dialog, *folder_ / "Out"); });
    driver.then<QMessageBox>("", [](QMessageBox* alert) {
      QCOMPARE(alert->text(), QString("Couldn't copy the items"));
      QVERIFY(alert->informativeText().contains("Permission denied"));
      alert->accept();
    });
    app.serveTransfer();
    QVERIFY(driver.finished());
    QVERIFY(fs::exists(*folder_ / "Out/one.txt"));
    QVERIFY(revealed_.empty());
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
        QVERIFY(!store_->pendingAliasFolder());
        choose(dialog, target);
      });
      store_->setPendingAliasFolder(folder_->path());
      app.serveAlias();
    }
    QVERIFY(driver.finished());
    QCOMPARE(fs::read_symlink(*folder_ / "report.pdf alias"), report);
    QCOMPARE(fs::read_symlink(*folder_ / "report.pdf alias 2"), report);
    QCOMPARE(fs::read_symlink(*folder_ / "Projects alias"), *folder_ / "Projects");
    QCOMPARE(revealed_.back(), *folder_ / "Projects alias");
  }

  void startServesPendingRequestsInOrderThenWarnsWithoutSettings() {
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
      QVERIFY(alert->informativeText().contains("Permission denied"));
      alert->accept();
    });
    QVERIFY(!app::runUninstaller(services(), nullptr));
    QVERIFY(driver.finished());
    QVERIFY(fs::exists(*folder_ / "container"));
    QCOMPARE(quits_, 2);
  }
};

QTEST_MAIN(AppTest)
#include "AppTests.moc"
