#pragma once
// The app's one updater: the user's switch for automatic checks, the date of the
// last check, checks the user asks for, and at most one automatic check a day.

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <optional>

#include "ReleaseFeed.h"

class QNetworkAccessManager;
class QNetworkReply;
class QSettings;

namespace nimbra::updates {

// Where releases are announced, the key that signs them, and what is running.
struct FeedSource {
  QUrl url;
  QByteArray publicKey;  // the 32 raw bytes of an Ed25519 key
  QString runningVersion;

  // The build's NIMBRA_UPDATE_FEED_URL and NIMBRA_UPDATE_PUBLIC_KEY, and the project's version.
  static FeedSource builtIn();
};

struct CheckResult {
  enum class Kind { UpToDate, UpdateAvailable, Failed };
  Kind kind = Kind::Failed;
  Release release;      // the feed's, unless Failed
  FeedProblem problem;  // why, when Failed
};

class Updater : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool automaticallyChecksForUpdates READ automaticallyChecksForUpdates WRITE
                 setAutomaticallyChecksForUpdates NOTIFY automaticallyChecksForUpdatesChanged)

 public:
  // `settings` are the app's own (not the shared store) and must outlive the updater.
  Updater(QSettings* settings, FeedSource source, QObject* parent = nullptr);

  // The process's updater, made on first use (after the application object) with
  // the app's settings and the built-in feed, and owned by the application object.
  static Updater& shared();

  bool automaticallyChecksForUpdates() const;
  void setAutomaticallyChecksForUpdates(bool on);
  // Absent before the first check.
  std::optional<QDateTime> lastCheckDate() const;
  // Where it looks and what version it runs.
  const FeedSource& source() const { return source_; }

  // Called once the app has started: checks now if a check is due, then keeps looking.
  void startAutomaticChecks();
  // Starts a silent check if the switch is on and the last check is a day old.
  bool checkInBackgroundIfDue();

 public slots:
  // "Check for Updates…" and "Check Now": the outcome is always shown.
  void checkForUpdates();

 signals:
  void automaticallyChecksForUpdatesChanged(bool on);
  void lastCheckDateChanged();
  void checkFinished(const nimbra::updates::CheckResult& result, bool userInitiated);

 private:
  void startCheck(bool userInitiated);
  void finishCheck(const CheckResult& result);

  QSettings* settings_;
  FeedSource source_;
  QNetworkAccessManager* network_;
  QTimer schedule_;
  QNetworkReply* pending_ = nullptr;
  bool pendingIsUserInitiated_ = false;
};

}  // namespace nimbra::updates
