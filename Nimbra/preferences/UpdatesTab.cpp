#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "Tabs.h"
#include "Updater.h"
#include "app/Texts.h"

namespace nimbra::preferences {

using app::Texts;

QString relativeToNow(const QDateTime& then, const QDateTime& now) {
  const qint64 seconds = std::max<qint64>(0, then.secsTo(now));
  // Counted in the largest whole unit, in the plural forms of the user's language;
  // named where a name exists ("yesterday", "last week").
  const auto ago = [](qint64 count, const char* text, const char* single = nullptr) {
    return count == 1 && single ? Texts::tr(single) : Texts::tr(text, nullptr, static_cast<int>(count));
  };
  constexpr qint64 minute = 60, hour = 60 * minute, day = 24 * hour, week = 7 * day, month = 30 * day, year = 365 * day;
  if (seconds < 1) return Texts::tr("now");
  if (seconds < minute) return ago(seconds, QT_TRANSLATE_N_NOOP("Nimbra", "%n second(s) ago"));
  if (seconds < hour) return ago(seconds / minute, QT_TRANSLATE_N_NOOP("Nimbra", "%n minute(s) ago"));
  if (seconds < day) return ago(seconds / hour, QT_TRANSLATE_N_NOOP("Nimbra", "%n hour(s) ago"));
  if (seconds < week) {
    return ago(seconds / day, QT_TRANSLATE_N_NOOP("Nimbra", "%n day(s) ago"), QT_TRANSLATE_NOOP("Nimbra", "yesterday"));
  }
  if (seconds < month) {
    return ago(seconds / week, QT_TRANSLATE_N_NOOP("Nimbra", "%n week(s) ago"), QT_TRANSLATE_NOOP("Nimbra", "last week"));
  }
  if (seconds < year) {
    return ago(seconds / month, QT_TRANSLATE_N_NOOP("Nimbra", "%n month(s) ago"), QT_TRANSLATE_NOOP("Nimbra", "last month"));
  }
  return ago(seconds / year, QT_TRANSLATE_N_NOOP("Nimbra", "%n year(s) ago"), QT_TRANSLATE_NOOP("Nimbra", "last year"));
}

UpdatesTab::UpdatesTab(updates::Updater& updater, QWidget* parent) : QWidget(parent), updater_(updater) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 10, 8, 8);
  layout->setSpacing(12);

  automatic_ = new QCheckBox(Texts::tr("Automatically check for updates"), this);
  automatic_->setObjectName("automaticallyChecks");
  automatic_->setChecked(updater_.automaticallyChecksForUpdates());
  connect(automatic_, &QCheckBox::clicked, &updater_, &updates::Updater::setAutomaticallyChecksForUpdates);
  connect(&updater_, &updates::Updater::automaticallyChecksForUpdatesChanged, automatic_, &QCheckBox::setChecked);
  layout->addWidget(automatic_);

  auto* versionRow = new QHBoxLayout;
  const QString running = updater_.source().runningVersion;
  auto* version = new QLabel(Texts::tr("Version %1").arg(running.isEmpty() ? QStringLiteral("?") : running), this);
  version->setObjectName("version");
  versionRow->addWidget(version);
  versionRow->addStretch();
  auto* check = new QPushButton(Texts::tr("Check Now"), this);
  connect(check, &QPushButton::clicked, this, [this] {
    window()->activateWindow();
    updater_.checkForUpdates();
  });
  versionRow->addWidget(check);
  layout->addLayout(versionRow);

  lastChecked_ = caption(QString(), this);
  lastChecked_->setObjectName("lastChecked");
  layout->addWidget(lastChecked_);
  //: %1 is the update server's name.
  auto* host = caption(Texts::tr("Once a day Nimbra asks %1 whether there's a new version. Updates are signed, and only "
                                 "the app's name and version are sent.")
                           .arg(updater_.source().url.host()),
                       this);
  host->setObjectName("updateHost");
  layout->addWidget(host);
  layout->addStretch();
  connect(&updater_, &updates::Updater::lastCheckDateChanged, this, &UpdatesTab::sync);
  sync();
}

void UpdatesTab::sync() {
  const auto last = updater_.lastCheckDate();
  lastChecked_->setVisible(last.has_value());
  //: %1 is how long ago: "now", "2 hours ago", "yesterday"…
  if (last) lastChecked_->setText(Texts::tr("Last checked %1").arg(relativeToNow(*last, QDateTime::currentDateTimeUtc())));
}

}  // namespace nimbra::preferences
