#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "Tabs.h"
#include "Updater.h"

namespace nimbra::preferences {

QString relativeToNow(const QDateTime& then, const QDateTime& now) {
  const qint64 seconds = std::max<qint64>(0, then.secsTo(now));
  const auto ago = [](qint64 count, const char* unit) {
    return QString::number(count) + ' ' + QLatin1String(unit) + (count == 1 ? "" : "s") + " ago";
  };
  // Named where a name exists ("yesterday", "last week"), else counted in the largest whole unit.
  const auto named = [&](qint64 count, const char* unit, const char* single) {
    return count == 1 ? QString::fromLatin1(single) : ago(count, unit);
  };
  constexpr qint64 minute = 60, hour = 60 * minute, day = 24 * hour, week = 7 * day, month = 30 * day, year = 365 * day;
  if (seconds < 1) return QStringLiteral("now");
  if (seconds < minute) return ago(seconds, "second");
  if (seconds < hour) return ago(seconds / minute, "minute");
  if (seconds < day) return ago(seconds / hour, "hour");
  if (seconds < week) return named(seconds / day, "day", "yesterday");
  if (seconds < month) return named(seconds / week, "week", "last week");
  if (seconds < year) return named(seconds / month, "month", "last month");
  return named(seconds / year, "year", "last year");
}

UpdatesTab::UpdatesTab(updates::Updater& updater, QWidget* parent) : QWidget(parent), updater_(updater) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 10, 8, 8);
  layout->setSpacing(12);

  automatic_ = new QCheckBox("Automatically check for updates", this);
  automatic_->setObjectName("automaticallyChecks");
  automatic_->setChecked(updater_.automaticallyChecksForUpdates());
  connect(automatic_, &QCheckBox::clicked, &updater_, &updates::Updater::setAutomaticallyChecksForUpdates);
  connect(&updater_, &updates::Updater::automaticallyChecksForUpdatesChanged, automatic_, &QCheckBox::setChecked);
  layout->addWidget(automatic_);

  auto* versionRow = new QHBoxLayout;
  const QString running = updater_.source().runningVersion;
  auto* version = new QLabel("Version " + (running.isEmpty() ? QStringLiteral("?") : running), this);
  version->setObjectName("version");
  versionRow->addWidget(version);
  versionRow->addStretch();
  auto* check = new QPushButton("Check Now", this);
  connect(check, &QPushButton::clicked, this, [this] {
    window()->activateWindow();
    updater_.checkForUpdates();
  });
  versionRow->addWidget(check);
  layout->addLayout(versionRow);

  lastChecked_ = caption(QString(), this);
  lastChecked_->setObjectName("lastChecked");
  layout->addWidget(lastChecked_);
  auto* host = caption("Once a day Nimbra asks " + updater_.source().url.host() +
                           " whether there's a new version. Updates are signed, and only the app's name and version are sent.",
                       this);
  host->setObjectName("updateHost");
  host->setWordWrap(true);
  layout->addWidget(host);
  layout->addStretch();
  connect(&updater_, &updates::Updater::lastCheckDateChanged, this, &UpdatesTab::sync);
  sync();
}

void UpdatesTab::sync() {
  const auto last = updater_.lastCheckDate();
  lastChecked_->setVisible(last.has_value());
  if (last) lastChecked_->setText("Last checked " + relativeToNow(*last, QDateTime::currentDateTimeUtc()));
}

}  // namespace nimbra::preferences
