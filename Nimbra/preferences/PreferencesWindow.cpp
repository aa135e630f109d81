#include "PreferencesWindow.h"

#include <QEvent>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include "Tabs.h"
#include "app/Alerts.h"
#include "app/Appearance.h"
#include "app/Texts.h"

namespace nimbra::preferences {

using app::Texts;
namespace {

// Another writer's change shows within this time; a look costs microseconds.
constexpr int kPollMs = 1000;

struct TabDescription {
  const char* label;
  const char* symbol;
};
constexpr TabDescription kTabs[] = {
    {QT_TRANSLATE_NOOP("Nimbra", "New"), "plus.circle"},
    {QT_TRANSLATE_NOOP("Nimbra", "Send to"), "paperplane"},
    {QT_TRANSLATE_NOOP("Nimbra", "Open Folder with"), "arrow.up.forward.app"},
    {QT_TRANSLATE_NOOP("Nimbra", "Updates"), "arrow.triangle.2.circlepath"},
};

}  // namespace

PreferencesWindow::PreferencesWindow(PreferencesServices services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(std::move(services)) {
  setObjectName("preferences");
  setWindowTitle(Texts::tr("Nimbra Preferences"));
  setMinimumSize(660, 560);
  resize(660, 560);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(20, 20, 20, 20);
  poll_.setInterval(kPollMs);
  connect(&poll_, &QTimer::timeout, this, &PreferencesWindow::refresh);
}

PreferencesWindow::~PreferencesWindow() = default;

void PreferencesWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!model_) makeContent();
  refresh();
  poll_.start();
}

void PreferencesWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  poll_.stop();
}

void PreferencesWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    refresh();
    if (openWithTab_) openWithTab_->sync();
  }
  // Symbols are drawn in the appearance's text colour.
  if (event->type() == QEvent::PaletteChange && newTab_) {
    drawIcons();
    newTab_->rebuild();
    openWithTab_->sync();
  }
}

void PreferencesWindow::makeContent() {
  auto store = services_.openStore ? services_.openStore() : std::nullopt;
  if (!store) {
    if (notice_) return;
    notice_ = new QWidget(this);
    notice_->setObjectName("unavailable");
    auto* column = new QVBoxLayout(notice_);
    column->addStretch();
    auto* icon = new QLabel(notice_);
    icon->setPixmap(icons::MenuIcons::symbol("exclamationmark.triangle", 48, app::appearance::isDark()));
    column->addWidget(icon, 0, Qt::AlignHCenter);
    auto* title = new QLabel(Texts::tr("Settings unavailable"), notice_);
    title->setObjectName("title");
    QFont large = title->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.4);
    title->setFont(large);
    column->addWidget(title, 0, Qt::AlignHCenter);
    auto* description = secondaryText(Texts::tr("Nimbra can't reach its shared settings. Reinstall the app."), notice_);
    description->setObjectName("description");
    column->addWidget(description, 0, Qt::AlignHCenter);
    column->addStretch();
    layout()->addWidget(notice_);
    return;
  }
  delete notice_;
  notice_ = nullptr;
  model_ = std::make_unique<PreferencesModel>(std::move(*store), services_.bundles);
  const Save save = [this](const std::function<void()>& change) { this->save(change); };
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("tabs");
  newTab_ = new NewTab(*model_, services_, save);
  sendToTab_ = new SendToTab(*model_, services_, save);
  openWithTab_ = new OpenWithTab(*model_, services_, save);
  updatesTab_ = new UpdatesTab(*services_.updater);
  QWidget* const pages[] = {newTab_, sendToTab_, openWithTab_, updatesTab_};
  for (std::size_t i = 0; i < std::size(kTabs); ++i) tabs_->addTab(pages[i], Texts::tr(kTabs[i].label));
  drawIcons();
  layout()->addWidget(tabs_);
  model_->observe([this](PreferencesModel::Property property) {
    using P = PreferencesModel::Property;
    switch (property) {
      case P::sendTo: sendToTab_->sync(); break;
      case P::openWith: openWithTab_->sync(); break;
      default: newTab_->sync(); break;
    }
  });
}

void PreferencesWindow::drawIcons() {
  for (int i = 0; tabs_ && i < tabs_->count(); ++i) {
    tabs_->setTabIcon(i, QIcon(services_.icons->image(MenuIcon::Symbol{kTabs[i].symbol}, app::appearance::isDark())));
  }
}

void PreferencesWindow::save(const std::function<void()>& change) {
  // Every change starts from what is stored now, so another writer's lists stay.
  model_->refresh();
  try {
    change();
  } catch (const SettingsStore::WriteFailed& failure) {
    // The model kept its value: the window shows it again before saying why.
    syncAll();
    app::warn(this, Texts::tr("Couldn't save the change"),
              Texts::tr("Nimbra couldn't store “%1” in its shared settings, so the menus in Files stay as they were.")
                  .arg(QString::fromStdString(failure.key)));
  }
}

void PreferencesWindow::refresh() {
  if (!model_) return;
  model_->refresh();
  updatesTab_->sync();
}

void PreferencesWindow::syncAll() {
  newTab_->sync();
  sendToTab_->sync();
  openWithTab_->sync();
}

}  // namespace nimbra::preferences
