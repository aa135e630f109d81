#include <QtNetwork>
#include <QtTest>
#include <QtWidgets>

#include "FeedSigningKey.h"
#include "Updater.h"

using namespace nimbra::updates;

namespace {

const nimbra::testing::FeedSigningKey key, otherKey;
const QString notesUrl = "https://example.org/notes";

QByteArray release(const QString& version, const QString& notes = notesUrl, const QString& download = "https://example.org/nimbra.tar.gz") {
  return QJsonDocument(QJsonObject{{"version", version}, {"notes", notes}, {"download", download}}).toJson();
}
QByteArray signedFeed(const QByteArray& feed, const nimbra::testing::FeedSigningKey& by = key) { return by.envelope(feed); }

// Answers every request on 127.0.0.1 with one canned feed; without a feed nothing listens.
struct FeedServer {
  QTcpServer server;
  QUrl url;

  explicit FeedServer(const QByteArray& feed) {
    server.listen(QHostAddress::LocalHost);
    url = QUrl(QString("http://127.0.0.1:%1/feed.json").arg(server.serverPort()));
    if (feed.isEmpty()) server.close();
    QObject::connect(&server, &QTcpServer::newConnection, [this, feed] {
      QTcpSocket* socket = server.nextPendingConnection();
      QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, feed] {
        if (!socket->peek(1 << 16).contains("\r\n\r\n")) return;
        socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Length: " + QByteArray::number(feed.size()) + "\r\n\r\n" + feed);
        socket->disconnectFromHost();
      });
    });
  }
};

QMessageBox* shownBox() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) return box;
  return nullptr;
}

// A check the user asked for, or an automatic one with the switch `on` and a last check some hours ago
// (0: never); `feed` is served (empty: nothing listens); `text` and `detail` are of the dialog shown.
struct Check {
  bool asked = true, on = true;
  int hoursSinceLastCheck = 0;
  QByteArray feed = {};
  bool checks = true;
  QString text = {}, detail = {};
};

}  // namespace

Q_DECLARE_METATYPE(Check)

class UpdatesTests : public QObject {
  Q_OBJECT

  QTemporaryDir folder;
  QSettings settings{folder.filePath("Nimbra.conf"), QSettings::IniFormat};
  QList<QUrl> opened;

 public slots:
  void openUrl(const QUrl& url) { opened << url; }

 private slots:
  void initTestCase() { QDesktopServices::setUrlHandler("https", this, "openUrl"); }
  void cleanupTestCase() { QDesktopServices::unsetUrlHandler("https"); }
  void init() {
    settings.clear();
    opened.clear();
  }
  void cleanup() {
    while (QMessageBox* box = shownBox()) box->close();
  }

  void feedAddressesAreHttpsOrThisMachine() {
    for (const char* url : {"http://example.org/f", "http://localhost.example.org/f", "ftp://example.org/f"})
      QVERIFY2(!isAcceptedFeedUrl(QUrl(url)), url);
    QVERIFY(isAcceptedFeedUrl(QUrl("http://127.0.0.1:8080/f")) && isAcceptedFeedUrl(QUrl("https://example.org/f")));
  }

  void theSwitchIsStoredAndAnnouncedOnlyWhenItChanges() {
    Updater updater(&settings, {}), other(&settings, {});
    QSignalSpy changes(&updater, &Updater::automaticallyChecksForUpdatesChanged);
    updater.setAutomaticallyChecksForUpdates(true);
    QVERIFY(settings.contains("updates/automaticallyChecks"));
    updater.setAutomaticallyChecksForUpdates(false);
    updater.setAutomaticallyChecksForUpdates(false);
    other.setAutomaticallyChecksForUpdates(true);
    QCOMPARE(changes, QList<QVariantList>{{false}});
    QVERIFY(updater.automaticallyChecksForUpdates());
  }

  void checksShowWhatTheyFound_data() {
    QTest::addColumn<Check>("check");
    const QString available = "Nimbra 0.10.0 is available", upToDate = "You're up to date", failed = "Nimbra couldn't check for updates";
    const QByteArray same = signedFeed(release("0.2")), newer = signedFeed(release("0.10.0"));
    QTest::newRow("newer") << Check{.feed = newer, .text = available, .detail = "0.2.0"};
    QTest::newRow("same") << Check{.feed = same, .text = upToDate};
    QTest::newRow("older") << Check{.feed = signedFeed(release("0.1.9")), .text = upToDate};
    QTest::newRow("another key") << Check{.feed = signedFeed(release("0.10.0"), otherKey), .text = failed, .detail = "not signed"};
    QTest::newRow("no version") << Check{.feed = signedFeed(release("1..0")), .text = failed, .detail = "could not be read"};
    QTest::newRow("plain http notes") << Check{.feed = signedFeed(release("1", "http://example.org/n")), .text = failed, .detail = "not https"};
    QTest::newRow("no download") << Check{.feed = signedFeed(release("1", notesUrl, "")), .text = failed, .detail = "not https"};
    QTest::newRow("unreachable") << Check{.text = failed, .detail = "could not be reached"};
    QTest::newRow("auto, never checked") << Check{.asked = false, .feed = same};
    QTest::newRow("auto, a day ago") << Check{.asked = false, .hoursSinceLastCheck = 25, .feed = newer, .text = available};
    QTest::newRow("auto, failing") << Check{.asked = false, .hoursSinceLastCheck = 25, .feed = signedFeed(release("1"), otherKey)};
    QTest::newRow("auto, clock set back") << Check{.asked = false, .hoursSinceLastCheck = -24 * 365, .feed = same};
    QTest::newRow("auto, 23 hours ago") << Check{.asked = false, .hoursSinceLastCheck = 23, .feed = newer, .checks = false};
    QTest::newRow("auto, switched off") << Check{.asked = false, .on = false, .feed = newer, .checks = false};
  }
  void checksShowWhatTheyFound() {
    QFETCH(Check, check);
    if (check.hoursSinceLastCheck)
      settings.setValue("updates/lastCheck", QDateTime::currentDateTimeUtc().addSecs(-3600 * check.hoursSinceLastCheck));
    FeedServer server(check.feed);
    Updater updater(&settings, {server.url, key.publicKey(), "0.2.0"});
    updater.setAutomaticallyChecksForUpdates(check.on);
    QSignalSpy finished(&updater, &Updater::checkFinished);

    if (check.asked) updater.checkForUpdates();
    else QCOMPARE(updater.checkInBackgroundIfDue(), check.checks);
    QCOMPARE(finished.wait(check.checks ? 10'000 : 300), check.checks);
    const auto last = updater.lastCheckDate();
    QCOMPARE(last && qAbs(last->secsTo(QDateTime::currentDateTimeUtc())) < 60, check.checks);

    QMessageBox* box = shownBox();
    QCOMPARE(box ? box->text() : QString(), check.text);
    if (!box) return;
    QVERIFY2(box->informativeText().contains(check.detail), qPrintable(box->informativeText()));
    QAbstractButton* notes = nullptr;
    for (QAbstractButton* button : box->buttons()) notes = button->text() == "View Release Notes" ? button : notes;
    QCOMPARE(notes != nullptr, check.text.endsWith("available"));
    if (!notes) return;
    notes->click();
    QCOMPARE(opened, QList<QUrl>{QUrl(notesUrl)});
  }
};

QTEST_MAIN(UpdatesTests)
#include "UpdatesTests.moc"
