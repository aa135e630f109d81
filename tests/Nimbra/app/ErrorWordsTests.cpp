// Every kind of failure the app meets, in the words the user reads.

#include <QtTest>

#include "app/ErrorWords.h"
#include "nimbra/PreferencesModel.h"
#include "nimbra/SendToPerformer.h"
#include "nimbra/SettingsStore.h"
#include "nimbra/platform/Failure.h"

using nimbra::platform::Failure;
using nimbra::platform::Operation;

Q_DECLARE_METATYPE(Operation)

class ErrorWordsTest : public QObject {
  Q_OBJECT

 private slots:
  void platformFailures_data() {
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("other");
    QTest::addColumn<QString>("words");
    const QString report = "/home/u/report.pdf", copied = "/media/u/Backup/report.pdf";
    QTest::newRow("no space for a copy") << Operation::copy << ENOSPC << report << copied
                                         << "There isn't enough space on “Backup”.";
    QTest::newRow("over quota") << Operation::createFile << EDQUOT << "/srv/Shared/New Folder" << ""
                                << "There isn't enough space on “Shared”.";
    QTest::newRow("may not write") << Operation::createFolder << EACCES << "/srv/Shared/New Folder" << ""
                                   << "You don't have permission to write to “Shared”.";
    QTest::newRow("may not move away") << Operation::remove << EPERM << "/srv/Shared/notes.txt" << ""
                                       << "You don't have permission to write to “Shared”.";
    QTest::newRow("may not read") << Operation::read << EACCES << "/home/u/secret" << ""
                                  << "You don't have permission to open “secret”.";
    QTest::newRow("may not launch") << Operation::launch << EACCES << "/usr/share/applications/x.desktop" << ""
                                    << "You don't have permission to open “x.desktop”.";
    QTest::newRow("read-only") << Operation::move << EROFS << report << "/media/cd/report.pdf" << "“cd” is read-only.";
    QTest::newRow("item gone") << Operation::copy << ENOENT << report << copied << "“report.pdf” no longer exists.";
    QTest::newRow("folder gone") << Operation::createFile << ENOENT << "/home/u/Old/report.pdf alias" << ""
                                 << "“Old” no longer exists.";
    QTest::newRow("taken meanwhile") << Operation::copy << EEXIST << report << copied
                                     << "“report.pdf” is already taken in “Backup”.";
    QTest::newRow("name too long") << Operation::createFile << ENAMETOOLONG << "/home/u/" + QString(300, 'x') << ""
                                   << "The name “" + QString(300, 'x') + "” is too long.";
    QTest::newRow("disk error") << Operation::read << EIO << report << "" << "The disk could not read or write “report.pdf”.";
    QTest::newRow("busy") << Operation::storeSetting << EBUSY << "/home/u/.config/K/defaults.sqlite" << ""
                          << "“defaults.sqlite” is in use. Try again in a moment.";
    QTest::newRow("anything else") << Operation::copy << EXDEV << report << copied << "“report.pdf”: Invalid cross-device link.";
  }
  void platformFailures() {
    QFETCH(Operation, operation);
    QFETCH(int, code);
    QFETCH(QString, path);
    QFETCH(QString, other);
    QFETCH(QString, words);
    const Failure failure(operation, std::error_code(code, std::generic_category()), path.toStdString(), other.toStdString());
    QCOMPARE(nimbra::app::inWords(failure), words);
  }

  void theCoresErrors() {
    QCOMPARE(nimbra::app::inWords(nimbra::SendToPerformer::IntoItself("/home/u/Photos")),
             QString("“Photos” can't be put inside itself."));
    QCOMPARE(nimbra::app::inWords(nimbra::SettingsStore::WriteFailed("sendTo", std::make_error_code(std::errc::read_only_file_system))),
             QString("Nimbra couldn't store “sendTo” in its shared settings."));
    QCOMPARE(nimbra::app::inWords(nimbra::PreferencesModel::NotAnApp{}), QString("That doesn't look like an app."));
    // Never a library's own text.
    QCOMPARE(nimbra::app::inWords(std::runtime_error("vector::_M_range_check")), QString("Something unexpected went wrong."));
  }
};

QTEST_MAIN(ErrorWordsTest)
#include "ErrorWordsTests.moc"
