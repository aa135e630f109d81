#include "Updater.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSettings>

#include <variant>

#include "UpdateDialogs.h"
#include "app/Texts.h"

namespace nimbra::updates {

using app::Texts;
namespace {

Q_LOGGING_CATEGORY(updatesLog, "ai.corvane.nimbra.updates")

const QString automaticKey = QStringLiteral("updates/automaticallyChecks");
const QString lastCheckKey = QStringLiteral("updates/lastCheck");
constexpr qint64 secondsPerDay = 24 * 60 * 60;
constexpr qint64 maxFeedBytes = 64 * 1024;
constexpr int transferTimeoutMs = 30'000;
// Timers stand still while the machine sleeps; looking every hour against the
// wall clock keeps the daily check close to a day apart all the same.
constexpr int scheduleIntervalMs = 60 * 60 * 1000;

CheckResult failure(FeedProblem::Kind kind, QString detail) {
  return {CheckResult::Kind::Failed, {}, {kind, std::move(detail)}};
}

CheckResult resultOf(QNetworkReply& reply, const FeedSource& source) {
  if (reply.property("tooLarge").toBool()) return failure(FeedProblem::Kind::Malformed, Texts::tr("it is too large"));
  if (reply.error() != QNetworkReply::NoError) return failure(FeedProblem::Kind::Unreachable, reply.errorString());
  auto feed = readSignedFeed(reply.readAll(), source.publicKey);
  if (const auto* problem = std::get_if<FeedProblem>(&feed)) return {CheckResult::Kind::Failed, {}, *problem};
  const auto& release = std::get<Release>(feed);
  const bool newer = compareVersions(release.version, source.runningVersion) > 0;
  return {newer ? CheckResult::Kind::UpdateAvailable : CheckResult::Kind::UpToDate, release, {}};
}

}  // namespace

FeedSource FeedSource::builtIn() {
  return {QUrl(QStringLiteral(NIMBRA_UPDATE_FEED_URL)), QByteArray::fromBase64(NIMBRA_UPDATE_PUBLIC_KEY),
          QStringLiteral(NIMBRA_APP_VERSION)};
}

Updater::Updater(QSettings* settings, FeedSource source, QObject* parent)
    : QObject(parent), settings_(settings), source_(std::move(source)), network_(new QNetworkAccessManager(this)) {
  schedule_.setInterval(scheduleIntervalMs);
  connect(&schedule_, &QTimer::timeout, this, &Updater::checkInBackgroundIfDue);
}

Updater& Updater::shared() {
  static QPointer<Updater> instance;
  if (!instance) {
    auto* settings = new QSettings(QStringLiteral("ai.corvane.nimbra"), QStringLiteral("Nimbra"));
    instance = new Updater(settings, FeedSource::builtIn(), QCoreApplication::instance());
    settings->setParent(instance);
  }
  return *instance;
}

bool Updater::automaticallyChecksForUpdates() const { return settings_->value(automaticKey, true).toBool(); }

void Updater::setAutomaticallyChecksForUpdates(bool on) {
  const bool changed = on != automaticallyChecksForUpdates();
  settings_->setValue(automaticKey, on);
  if (changed) emit automaticallyChecksForUpdatesChanged(on);
}

std::optional<QDateTime> Updater::lastCheckDate() const {
  const QDateTime date = settings_->value(lastCheckKey).toDateTime();
  if (!date.isValid()) return std::nullopt;
  return date;
}

void Updater::startAutomaticChecks() {
  schedule_.start();
  checkInBackgroundIfDue();
}

bool Updater::checkInBackgroundIfDue() {
  if (pending_ || !automaticallyChecksForUpdates()) return false;
  const auto last = lastCheckDate();
  const QDateTime now = QDateTime::currentDateTimeUtc();
  // A last check in the future means the clock was set back; waiting for it could take years.
  if (last && *last <= now && last->secsTo(now) < secondsPerDay) return false;
  startCheck(false);
  return true;
}

void Updater::checkForUpdates() {
  // A check already under way is shown when it ends instead of starting another.
  if (pending_) {
    pendingIsUserInitiated_ = true;
    return;
  }
  startCheck(true);
}

void Updater::startCheck(bool userInitiated) {
  pendingIsUserInitiated_ = userInitiated;
  if (!isAcceptedFeedUrl(source_.url)) {
    finishCheck(failure(FeedProblem::Kind::Unreachable, Texts::tr("its address is not an https address")));
    return;
  }
  QNetworkRequest request(source_.url);
  request.setTransferTimeout(transferTimeoutMs);
  request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Nimbra/%1").arg(source_.runningVersion));
  pending_ = network_->get(request);
  connect(pending_, &QNetworkReply::downloadProgress, pending_, [reply = pending_](qint64 received, qint64) {
    if (received <= maxFeedBytes) return;
    reply->setProperty("tooLarge", true);
    reply->abort();
  });
  connect(pending_, &QNetworkReply::finished, this, [this, reply = pending_] {
    reply->deleteLater();
    pending_ = nullptr;
    finishCheck(resultOf(*reply, source_));
  });
}

void Updater::finishCheck(const CheckResult& result) {
  settings_->setValue(lastCheckKey, QDateTime::currentDateTimeUtc());
  emit lastCheckDateChanged();
  const bool userInitiated = pendingIsUserInitiated_;
  if (userInitiated || result.kind == CheckResult::Kind::UpdateAvailable)
    showCheckResult(result, source_.runningVersion);
  else if (result.kind == CheckResult::Kind::Failed)
    qCWarning(updatesLog) << "automatic update check failed:" << describeProblem(result.problem);
  emit checkFinished(result, userInitiated);
}

}  // namespace nimbra::updates
