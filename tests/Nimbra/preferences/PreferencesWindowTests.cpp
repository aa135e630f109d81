// The preferences window driven as a person would, over settings in memory: what
// each row offers, what every edit stores, and what another writer's change shows.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

// The test support is plain C++ that moc need not read.
#ifndef Q_MOC_RUN
#include "DialogDriver.h"
#include "FakeApplicationBundles.h"
#include "FakeContentTypes.h"
#include "FakeDefaultsSuite.h"
#include "FakeDesktop.h"
#include "FakeExtensionSwitch.h"
#include "FakeFileManagerPresence.h"
#include "FakeWorkspace.h"
#endif
#include "Updater.h"
#include "app/AppController.h"
#include "app/Translations.h"
#include "app/BringForward.h"
#include "preferences/Controls.h"
#include "preferences/NewItemRow.h"
#include "preferences/PreferencesWindow.h"
#include "preferences/Tabs.h"
#include "preferences/TemplateEditor.h"

using namespace nimbra;
using namespace nimbra::preferences;
using namespace nimbra::testing;

namespace {

QListWidget* list(QWidget* window, const char* name) { return window->findChild<QListWidget*>(name); }

template <class Row = QWidget>
Row* rowAt(QWidget* window, const char* listName, int index) {
  auto* rows = list(window, listName);
  return dynamic_cast<Row*>(rows->itemWidget(rows->item(index)));
}

NewItemRow* newRow(QWidget* window, const std::string& id) {
  auto* rows = list(window, "newItems");
  for (int i = 0; i < rows->count(); ++i) {
    auto* row = dynamic_cast<NewItemRow*>(rows->itemWidget(rows->item(i)));
    if (row->item().id == id) return row;
  }
  return nullptr;
}

QPushButton* button(QWidget* window, const QString& text) {
  for (auto* b : window->findChildren<QPushButton*>()) {
    if (b->text() == text && !b->isHidden()) return b;
  }
  return nullptr;
}

// Replaces a field's text keystroke by keystroke, as typing over a selection does.
void type(QLineEdit* field, const QString& text) {
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Backspace);
  QTest::keyClicks(field, text);
}

std::vector<std::string> ids(const std::vector<NewItem>& items) {
  std::vector<std::string> result;
  for (const auto& item : items) result.push_back(item.id);
  return result;
}

// The middle of the upper or lower half of a row, where a drop goes before or after it.
QPoint dropPoint(QListWidget* rows, int index, bool after) {
  const QRect bounds = rows->visualItemRect(rows->item(index));
  return {bounds.center().x(), after ? bounds.bottom() - bounds.height() / 4 : bounds.top() + bounds.height() / 4};
}

}  // namespace

class PreferencesWindowTest : public QObject {
  Q_OBJECT

 private:
  std::shared_ptr<FakeDefaultsSuite> suite_;
  std::shared_ptr<FakeWorkspace> workspace_;
  std::shared_ptr<FakeApplicationBundles> bundles_;
  std::vector<AppLocation> installed_;
  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<QSettings> updaterSettings_;
  std::unique_ptr<updates::Updater> updater_;
  bool reachable_ = true;

  PreferencesServices services() {
    PreferencesServices s;
    s.openStore = [this]() -> std::optional<SettingsStore> {
      if (!reachable_) return std::nullopt;
      return SettingsStore(suite_);
    };
    s.bundles = bundles_;
    s.apps = std::make_shared<WorkspaceAppLocator>(workspace_);
    s.installedApps = [this] { return installed_; };
    s.contentTypes = std::make_shared<FakeContentTypes>();
    s.icons = std::make_shared<icons::MenuIcons>(s.apps);
    s.strings = std::make_shared<StringTable>(StringTable::load(NIMBRA_EXTENSION_STRINGS, {}));
    s.updater = updater_.get();
    return s;
  }
  std::unique_ptr<PreferencesWindow> open() {
    auto window = std::make_unique<PreferencesWindow>(services());
    app::bringForward(*window);
    return window;
  }
  SettingsStore store() const { return SettingsStore(suite_); }
  NewItem stored(const std::string& id) const {
    const auto items = store().newItems();
    return *std::find_if(items.begin(), items.end(), [&](const NewItem& item) { return item.id == id; });
  }

 private slots:
  void initTestCase() { app::installTranslations(); }  // English's plural forms
  void init() {
    suite_ = std::make_shared<FakeDefaultsSuite>();
    workspace_ = std::make_shared<FakeWorkspace>();
    bundles_ = std::make_shared<FakeApplicationBundles>();
    installed_.clear();
    folder_ = std::make_unique<QTemporaryDir>();
    updaterSettings_ = std::make_unique<QSettings>(folder_->filePath("Nimbra.conf"), QSettings::IniFormat);
    updater_ = std::make_unique<updates::Updater>(
        updaterSettings_.get(), updates::FeedSource{QUrl("https://updates.example.org/nimbra/feed.json"), {}, "1.2.3"});
    reachable_ = true;
  }

  void theWindowIsReusedAndTellsWhenSettingsAreUnreachable() {
    app::AppServices appServices;
    appServices.openStore = [this]() -> std::optional<SettingsStore> { return SettingsStore(suite_); };
    appServices.extensionSwitch = std::make_shared<FakeExtensionSwitch>();
    appServices.presence = std::make_shared<FakeFileManagerPresence>();
    appServices.notifications = std::make_shared<FakeNotifications>();
    appServices.reducesMotion = [] { return true; };
    appServices.ownSettings = std::make_shared<QSettings>(folder_->filePath("own.ini"), QSettings::IniFormat);
    app::AppController app(appServices);
    const auto windows = [] {
      QList<QWidget*> found;
      for (auto* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "preferences") found << w;
      }
      return found;
    };
    app.showPreferences();
    QCOMPARE(windows().size(), 1);
    windows().front()->findChild<QTabWidget*>("tabs")->setCurrentIndex(2);
    windows().front()->close();
    app.showPreferences();
    QCOMPARE(windows().size(), 1);
    QVERIFY(windows().front()->isVisible());
    QCOMPARE(windows().front()->findChild<QTabWidget*>("tabs")->currentIndex(), 2);

    reachable_ = false;
    suite_->writes.clear();
    auto window = open();
    QVERIFY(!window->findChild<QTabWidget*>());
    QCOMPARE(window->findChild<QLabel*>("title")->text(), QString("Settings unavailable"));
    QVERIFY(suite_->writes.empty());
    // Shown again once the settings can be reached, it has its tabs.
    reachable_ = true;
    window->hide();
    app::bringForward(*window);
    QVERIFY(window->findChild<QTabWidget*>("tabs"));
    QVERIFY(!window->findChild<QWidget*>("unavailable"));
  }

  void customExtensionsAreCheckedAtEachKeystroke() {
    auto window = open();
    button(window.get(), "Add Custom Type…")->click();
    auto* row = rowAt<NewItemRow>(window.get(), "newItems", 25);
    QVERIFY(row && !row->item().isBuiltIn);
    QCOMPARE(store().newItems().size(), 25u);  // no valid extension yet

    auto* ext = row->findChild<QLineEdit*>("ext");
    auto* outline = row->findChild<QFrame*>("extOutline");
    auto* enabled = row->findChild<Switch*>("enabled");
    type(ext, " txt");
    QCOMPARE(ext->text(), QString("txt"));
    QVERIFY(!outline->property("invalid").toBool());
    QVERIFY(enabled->isEnabled());
    QCOMPARE(store().newItems().back().ext, "txt");

    const std::pair<QString, QString> invalid[] = {
        {".", "Extension cannot be empty"},
        {"abcdefghijklmnopq", "Extension too long (max 16 characters)"},
        {"c++", "Allowed: letters, digits, . _ -"},
    };
    for (const auto& [typed, error] : invalid) {
      type(ext, typed);
      QCOMPARE(ext->text(), typed);
      QCOMPARE(row->extError(), std::optional(error));
      QVERIFY(outline->property("invalid").toBool());
      QVERIFY(!enabled->isEnabled());
      QCOMPARE(store().newItems().size(), 25u);
    }
  }

  void rowsShowWhatTheirEntryAllows() {
    auto window = open();
    auto* folder = newRow(window.get(), "folder");
    auto* txt = newRow(window.get(), "txt");
    QVERIFY(folder->findChild<QLineEdit*>("name"));
    QVERIFY(!newRow(window.get(), "alias")->findChild<QLineEdit*>("name"));
    QVERIFY(!newRow(window.get(), "datedFolder")->findChild<QLineEdit*>("name"));
    QCOMPARE(txt->findChild<QLabel*>("ext")->text(), QString(".txt"));
    QCOMPARE(txt->findChild<QToolButton*>("template")->text(), QString("Template…"));
    QCOMPARE(newRow(window.get(), "html")->findChild<QToolButton*>("template")->text(), QString("Edit…"));
    QVERIFY(!folder->findChild<QToolButton*>("template"));
    for (const auto& item : NewItem::builtIns()) QVERIFY(!newRow(window.get(), item.id)->findChild<QToolButton*>("delete"));

    auto* label = txt->findChild<QLineEdit*>("label");
    type(label, "Notes");
    QCOMPARE(stored("txt").customLabel, std::optional<std::string>("Notes"));
    type(label, "");
    QCOMPARE(stored("txt").customLabel, std::nullopt);
    type(label, "  ");
    QCOMPARE(stored("txt").customLabel, std::optional<std::string>("  "));

    button(window.get(), "Add Custom Type…")->click();
    auto* custom = rowAt<NewItemRow>(window.get(), "newItems", 25);
    type(custom->findChild<QLineEdit*>("ext"), "log");
    QCOMPARE(store().newItems().size(), 26u);
    custom->findChild<QToolButton*>("delete")->click();
    QCOMPARE(store().newItems().size(), 25u);
    QCOMPARE(list(window.get(), "newItems")->count(), 25);
  }

  void templateEditorSavesRemovesAndWarns() {
    auto window = open();
    const auto edit = [&](const std::string& id) {
      newRow(window.get(), id)->findChild<QToolButton*>("template")->click();
      const auto open = window->findChildren<TemplateEditor*>();  // closed ones may not be gone yet
      return *std::find_if(open.begin(), open.end(), [](TemplateEditor* e) { return e->isVisible(); });
    };
    auto* editor = edit("txt");
    QCOMPARE(editor->findChild<QLabel*>("title")->text(), QString("Template for .txt"));
    QVERIFY(!button(editor, "Remove Template"));
    editor->findChild<QPlainTextEdit*>()->setPlainText("   \n ");
    QVERIFY(!button(editor, "Save Template")->isEnabled());
    const auto writes = suite_->writes.size();
    button(editor, "Cancel")->click();
    QCOMPARE(suite_->writes.size(), writes);

    editor = edit("json");
    auto* caption = editor->findChild<QLabel*>("caption");
    QCOMPARE(caption->text(), QString("The contents of every new .json file created with this type."));
    editor->findChild<QPlainTextEdit*>()->setPlainText("{");
    QCOMPARE(caption->text(), QString("Not valid JSON yet — you can still save."));
    editor->findChild<QPlainTextEdit*>()->setPlainText("\"just a string\"");
    QCOMPARE(caption->text(), QString("The contents of every new .json file created with this type."));
    editor->findChild<QPlainTextEdit*>()->setPlainText("{");
    button(editor, "Save Template")->click();
    QCOMPARE(stored("json").kind, NewItemKind(NewItemKind::Text{"{", false}));

    editor = edit("sh");
    editor->findChild<QPlainTextEdit*>()->setPlainText("echo hi\n");
    QCOMPARE(editor->findChild<QLabel*>("caption")->text(), QString("Tip: shell scripts usually start with a shebang, e.g. #!/bin/sh"));
    button(editor, "Save Template")->click();
    QCOMPARE(stored("sh").kind, NewItemKind(NewItemKind::Text{"echo hi\n", true}));

    editor = edit("html");
    button(editor, "Remove Template")->click();
    QCOMPARE(stored("html").kind, NewItemKind(NewItemKind::Text{"", false}));
    QCOMPARE(newRow(window.get(), "html")->findChild<QToolButton*>("template")->text(), QString("Template…"));

    // Another writer reorders the list while the sheet is open: the rows are made
    // anew, and the sheet still saves to its own entry.
    editor = edit("json");
    const auto* before = newRow(window.get(), "json");
    auto reversed = store().newItems();
    std::reverse(reversed.begin(), reversed.end());
    store().save(reversed);
    QTRY_VERIFY(newRow(window.get(), "json") != before);
    editor->findChild<QPlainTextEdit*>()->setPlainText("{}");
    button(editor, "Save Template")->click();
    QCOMPARE(stored("json").kind, NewItemKind(NewItemKind::Text{"{}", false}));
    QCOMPARE(ids(store().newItems()), ids(reversed));
  }

  void reorderingAndSwitchesWriteTheLists() {
    auto window = open();
    auto* items = list(window.get(), "newItems");
    items->setCurrentRow(0);
    dynamic_cast<ReorderableList*>(items)->dropSelectedAt(dropPoint(items, 3, true));
    const auto order = ids(store().newItems());
    QCOMPARE(std::vector(order.begin(), order.begin() + 5), (std::vector<std::string>{"alias", "word", "excel", "folder", "powerpoint"}));
    QCOMPARE(dynamic_cast<NewItemRow*>(items->itemWidget(items->item(3)))->item().id, "folder");

    window->findChild<QTabWidget*>("tabs")->setCurrentIndex(1);
    auto* sendTo = list(window.get(), "sendTo");
    QCOMPARE(sendTo->item(0)->text(), QString("Compressed (zipped) folder"));
    sendTo->setCurrentRow(0);
    dynamic_cast<ReorderableList*>(sendTo)->dropSelectedAt(dropPoint(sendTo, 2, false));
    sendTo->item(3)->setCheckState(Qt::Unchecked);
    const std::vector<SendToEntry> expected = {{SendToAction::desktopCopy, true}, {SendToAction::zip, true},
                                               {SendToAction::desktop, true}, {SendToAction::documents, false},
                                               {SendToAction::otherFolder, true}};
    QCOMPARE(store().sendTo(), expected);

    window->findChild<QCheckBox*>("groupNewItems")->click();
    QVERIFY(!store().boolForKey(settingsKey::groupNewItems));
  }

  void openWithRowsDeleteEveryEntryOfAnAppAndAddOnlyApps() {
    workspace_->installed["org.example.Editor"] = AppLocation{"/apps/org.example.Editor.desktop", "Editor", ""};
    store().save(std::vector<OpenWithEntry>{{"com.microsoft.VSCode", true, true},
                                            {"org.example.Editor", true, false},
                                            {"org.example.Gone", true, false},
                                            {"org.example.Gone", false, false}});
    auto window = open();
    const auto has = [&](int row, const char* name) { return rowAt(window.get(), "openWith", row)->findChild<QWidget*>(name) != nullptr; };
    const auto name = [&](int row) { return rowAt(window.get(), "openWith", row)->findChild<QLabel*>("name")->text(); };
    QCOMPARE(name(0), QString("Visual Studio Code"));
    QVERIFY(has(0, "notInstalled") && !has(0, "delete") && !has(0, "icon"));
    QVERIFY(!rowAt(window.get(), "openWith", 0)->findChild<Switch*>("enabled")->isEnabled());
    QCOMPARE(name(1), QString("Editor"));
    QVERIFY(!has(1, "notInstalled") && has(1, "delete") && has(1, "icon"));
    QVERIFY(rowAt(window.get(), "openWith", 1)->findChild<Switch*>("enabled")->isEnabled());
    QCOMPARE(name(2), QString("org.example.Gone"));
    QVERIFY(has(2, "notInstalled") && has(2, "delete"));

    rowAt(window.get(), "openWith", 2)->findChild<QToolButton*>("delete")->click();
    const std::vector<OpenWithEntry> left = {{"com.microsoft.VSCode", true, true}, {"org.example.Editor", true, false}};
    QCOMPARE(store().openWith(), left);

    installed_ = {{"/apps/notes.txt", "Not an App", ""}, {"/apps/org.example.New.desktop", "New App", ""}};
    bundles_->identifiers["/apps/org.example.New.desktop"] = "org.example.New";
    auto* error = window->findChild<QLabel*>("addError");
    DialogDriver driver;
    for (const char* pick : {"Not an App", "New App"}) {
      driver.then<QDialog>("appChooser", [pick](QDialog* chooser) {
        auto* apps = chooser->findChild<QListWidget*>("apps");
        chooser->findChild<QLineEdit*>("search")->setText(QString(pick).left(5).toLower());
        QCOMPARE(apps->findItems(pick, Qt::MatchExactly).size(), 1);
        apps->setCurrentItem(apps->findItems(pick, Qt::MatchExactly).front());
        button(chooser, "Add")->click();
      });
    }
    button(window.get(), "Add App…")->click();
    QVERIFY(!error->isHidden());
    QCOMPARE(error->text(), QString("That doesn't look like an app."));
    QCOMPARE(store().openWith(), left);
    button(window.get(), "Add App…")->click();
    QVERIFY(driver.finished());
    QVERIFY(error->isHidden());
    QCOMPARE(store().openWith().back(), (OpenWithEntry{"org.example.New", true, false}));
  }

  void anotherWritersChangesShowAndFailedWritesAreTold() {
    auto first = open();
    auto second = open();
    second->findChild<QCheckBox*>("renameNewItems")->click();
    auto* items = list(second.get(), "newItems");
    items->setCurrentRow(2);
    dynamic_cast<ReorderableList*>(items)->dropSelectedAt(dropPoint(items, 0, false));
    auto direct = store();  // as nimbra-defaults writes
    direct.save(std::vector<SendToEntry>{{SendToAction::otherFolder, false}});

    QTRY_VERIFY(!first->findChild<QCheckBox*>("renameNewItems")->isChecked());
    QCOMPARE(newRow(first.get(), "word"), rowAt<NewItemRow>(first.get(), "newItems", 0));
    QCOMPARE(list(first.get(), "sendTo")->item(4)->text(), QString("Another Folder…"));
    QCOMPARE(list(first.get(), "sendTo")->item(4)->checkState(), Qt::Unchecked);

    // A change starts from what is stored now: Zip switched off under the window stays off.
    direct.save(std::vector<SendToEntry>{{SendToAction::zip, false}, {SendToAction::otherFolder, false}});
    list(first.get(), "sendTo")->item(3)->setCheckState(Qt::Unchecked);  // Documents
    const auto sendTo = store().sendTo();
    QCOMPARE(std::count_if(sendTo.begin(), sendTo.end(), [](const SendToEntry& e) { return !e.enabled; }), 3);

    suite_->readOnly = true;
    DialogDriver driver;
    driver.then<QMessageBox>("", [](QMessageBox* alert) {
      QCOMPARE(alert->text(), QString("Couldn't save the change"));
      QCOMPARE(alert->informativeText(), QString("Nimbra couldn't store “renameNewItems” in its shared settings, so the "
                                                 "menus in Files stay as they were."));
      alert->accept();
    });
    auto* rename = first->findChild<QCheckBox*>("renameNewItems");
    rename->click();
    QVERIFY(driver.finished());
    QVERIFY(!rename->isChecked());
  }

  void updatesTabShowsVersionHostAndLastCheck() {
    auto window = open();
    auto* lastChecked = window->findChild<QLabel*>("lastChecked");
    QVERIFY(window->findChild<QLabel*>("updateHost")->text().contains("updates.example.org"));
    QVERIFY(lastChecked->isHidden());
    updaterSettings_->setValue("updates/lastCheck", QDateTime::currentDateTimeUtc().addSecs(-2 * 3600 - 5));
    QTRY_VERIFY(!lastChecked->isHidden());
    QCOMPARE(lastChecked->text(), QString("Last checked 2 hours ago"));

    const QDateTime now = QDateTime::currentDateTimeUtc();
    const std::pair<qint64, const char*> ages[] = {
        {0, "now"},          {59, "59 seconds ago"}, {61, "1 minute ago"},   {25 * 3600, "yesterday"},
        {50 * 3600, "2 days ago"}, {8 * 86400, "last week"}, {40 * 86400, "last month"}, {400 * 86400, "last year"},
    };
    for (const auto& [seconds, text] : ages) QCOMPARE(relativeToNow(now.addSecs(-seconds), now), QString(text));
  }

  void iconsAreDrawnOncePerAppearance() {
    QImage red(48, 48, QImage::Format_ARGB32);
    red.fill(Qt::red);
    const QString png = folder_->filePath("editor.png");
    QVERIFY(red.save(png));
    workspace_->installed["org.example.Editor"] = AppLocation{"/apps/editor.desktop", "Editor", png.toStdString()};
    icons::MenuIcons icons(std::make_shared<WorkspaceAppLocator>(workspace_));

    const MenuIcon editor = MenuIcon::App{"org.example.Editor"};
    const QPixmap light = icons.image(editor, false);
    QCOMPARE(light.size(), QSize(32, 32));
    QCOMPARE(light.deviceIndependentSize(), QSizeF(16, 16));
    QCOMPARE(light.toImage().pixelColor(16, 16), QColor(Qt::red));
    icons.image(editor, false);
    QCOMPARE(workspace_->questions.load(), 1);
    icons.image(editor, true);
    QCOMPARE(workspace_->questions.load(), 2);

    const MenuIcon missing = MenuIcon::App{"org.example.Missing"};
    QVERIFY(icons.image(missing, false).isNull());
    QVERIFY(icons.image(missing, false).isNull());
    QCOMPARE(workspace_->questions.load(), 3);
    QVERIFY(icons.image(MenuIcon::ContentType{"application/x-no-such-type"}, false).isNull());
  }
};

QTEST_MAIN(PreferencesWindowTest)
#include "PreferencesWindowTests.moc"
