// The app as a Japanese user starts it (CTest sets LANG=ja_JP.UTF-8): its own words
// from its Japanese catalogue, in their plural forms, and Qt's standard buttons in
// Qt's Japanese.

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "app/Translations.h"
#include "transfer/TransferDialog.h"

using namespace nimbra;

class TranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app::installTranslations(); }

  void theWindowsSpeakTheUsersLanguage() {
    app::TransferDialog dialog({"/tmp/report.pdf", "/tmp/notes.txt"});
    QCOMPARE(dialog.windowTitle(), QString("別のフォルダーに送る"));
    QCOMPARE(dialog.findChild<QLabel*>("message")->text(), QString("2 個のアイテムの送り先フォルダーを選択"));
    const auto buttons = dialog.findChild<QDialogButtonBox*>()->buttons();
    QVERIFY(std::ranges::any_of(buttons, [](const QAbstractButton* b) { return b->text() == "キャンセル"; }));
  }
};

QTEST_MAIN(TranslationsTest)
#include "TranslationsTests.moc"
