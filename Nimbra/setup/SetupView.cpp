#include "SetupView.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "MenuPreview.h"
#include "SetupLook.h"
#include "app/Alerts.h"

namespace nimbra::app {
namespace {

QLabel* label(const QString& text, look::Style style, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setFont(look::font(style, parent->font()));
  label->setWordWrap(true);
  return label;
}

void paintText(QWidget* widget, const QColor& color) {
  QPalette colors = widget->palette();
  colors.setColor(QPalette::WindowText, color);
  colors.setColor(QPalette::ButtonText, color);
  widget->setPalette(colors);
}

}  // namespace

SetupView::SetupView(const AppServices& services, QWidget* parent)
    : QWidget(parent),
      switch_(services.extensionSwitch),
      presence_(services.presence),
      name_(QString::fromStdString(presence_->name())),
      status_(services, this) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  preview_ = new MenuPreview(services.reducesMotion, name_, this);
  row->addWidget(preview_);

  auto* pane = new QWidget(this);
  pane->setFixedWidth(440);
  row->addWidget(pane);
  auto* column = new QVBoxLayout(pane);
  column->setContentsMargins(32, 36, 32, 20);
  column->setSpacing(0);

  const QString name = "Nimbra";
  auto* title =
      label(name.chopped(1) + QString("<span style=\"color:%1\">%2</span>").arg(look::brand.name(), name.right(1)),
            look::Style::largeTitle, pane);
  title->setObjectName("title");
  column->addWidget(title);
  column->addSpacing(6);
  subtitle_ = label("Right-click like you did on Windows.", look::Style::title3, pane);
  column->addWidget(subtitle_);
  column->addSpacing(28);

  extensionRow_ = new ChecklistRowView(pane);
  extensionRow_->setObjectName("extensionRow");
  tryRow_ = new ChecklistRowView(pane);
  tryRow_->setObjectName("tryRow");
  customizeRow_ = new ChecklistRowView(pane);
  customizeRow_->setObjectName("customizeRow");
  column->addWidget(extensionRow_);
  column->addSpacing(22);
  column->addWidget(tryRow_);
  column->addSpacing(22);
  column->addWidget(customizeRow_);
  column->addSpacerItem(new QSpacerItem(0, 24, QSizePolicy::Minimum, QSizePolicy::Expanding));

  auto* footer = new QHBoxLayout;
  footer->setSpacing(12);
  checkAgain_ = new QPushButton("Check again", pane);
  checkAgain_->setFlat(true);
  checkAgain_->setCursor(Qt::PointingHandCursor);
  checkAgain_->setFont(look::font(look::Style::caption, font()));
  checkAgain_->setStyleSheet("QPushButton { border: none; padding: 0; }");
  footer->addWidget(checkAgain_);
  footer->addStretch();
  site_ = label({}, look::Style::caption, pane);
  site_->setWordWrap(false);
  site_->setOpenExternalLinks(true);
  footer->addWidget(site_);
  paintColors();
  column->addLayout(footer);
  setFixedHeight(500);

  connect(extensionRow_, &ChecklistRowView::buttonClicked, this,
          [this] { status_.extensionEnabled() ? turnOff() : turnOn(); });
  connect(customizeRow_, &ChecklistRowView::buttonClicked, this, &SetupView::customizeMenus);
  connect(checkAgain_, &QPushButton::clicked, &status_, &SetupStatus::refreshExtensionState);
  connect(&status_, &SetupStatus::extensionEnabledChanged, this, &SetupView::showStatus);
  connect(&status_, &SetupStatus::hasUsedActionChanged, this, &SetupView::showStatus);
  showStatus();
}

void SetupView::showStatus() {
  const bool on = status_.extensionEnabled();
  const bool used = status_.hasUsedAction();
  const bool restarts = presence_->takesIn() == platform::FileManagerPresence::TakesIn::byRestarting;
  extensionRow_->setRow(
      {on, QString(on ? "Nimbra is on in %1" : "Turn on Nimbra in %1").arg(name_),
       on ? "You can turn it off again here."
          : (restarts ? QString("Nimbra switches on its %1 extension, and asks before restarting %1 if it has to.")
                      : QString("Nimbra switches on its %1 extension, and asks before changing %2 settings if it has "
                                "to."))
                .arg(name_, look::possessive(name_)),
       on ? "Turn Off…" : "Turn On…", !on});
  tryRow_->setRow(
      {used,
       "Right-click in a folder",
       used ? QString("It works. Nimbra has made something from %1.").arg(name_)
            : "Try New ▸ Text Document, right-click a file for Send to ▸, or a folder for Open Folder with ▸.",
       {},
       false});
  customizeRow_->setRow({std::nullopt, "Make the menus yours",
                         "Pick which file types, Send to places and apps appear, and in what order.",
                         "Customize Menus…", on});
  checkAgain_->setVisible(!on);
  preview_->setOn(on);
}

void SetupView::paintColors() {
  const QPalette colors = palette();
  paintText(subtitle_, look::secondary(colors));
  paintText(checkAgain_, colors.color(QPalette::Link));
  site_->setText(QString("<a href=\"https://corvane.ai/nimbra\" style=\"color:%1; text-decoration:none\">corvane.ai</a>")
                     .arg(look::tertiary(colors).name(QColor::HexArgb)));
}

void SetupView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) status_.refreshExtensionState();
  if (event->type() == QEvent::PaletteChange) paintColors();
}

bool SetupView::setSwitch(bool on) { return setMenusSwitch(*switch_, on, this); }

void SetupView::turnOn() {
  if (!setSwitch(true)) return;
  status_.refreshExtensionState();
  switch (status_.state().remaining()) {
    case SetupState::Remaining::nothing:
      return;
    case SetupState::Remaining::install:
      return warn(this, QString("Nimbra isn't installed in %1").arg(name_),
                  QString("%1 loads its extensions from %2, and Nimbra's is not there. Install Nimbra again, then "
                          "choose Turn On… once more.")
                      .arg(name_, QString::fromStdString(presence_->extensionFolder().string())));
    case SetupState::Remaining::restartFileManager:
      return offerToTakeIn();
  }
}

void SetupView::turnOff() {
  if (confirm(this, "turnOff", QString("Turn off Nimbra in %1?").arg(name_),
              QString("New, Send to and Open Folder with leave %1 menus at once. You can turn Nimbra on again here.")
                  .arg(look::possessive(name_)),
              "Turn Off", "Cancel") &&
      setSwitch(false)) {
    status_.refreshExtensionState();
  }
}

// A file manager that loads extensions only when it starts has to quit, which
// closes its windows; one that reads its own settings for every menu has ours
// switched on there. Either only when the user agrees.
void SetupView::offerToTakeIn() {
  const bool restarts = presence_->takesIn() == platform::FileManagerPresence::TakesIn::byRestarting;
  const bool agreed =
      restarts ? confirm(this, "restartFiles", QString("Restart %1?").arg(name_),
                         QString("%1 loads Nimbra when it starts. Restarting closes the %1 windows, so let copies and "
                                 "moves in %1 finish first.")
                             .arg(name_),
                         QString("Restart %1").arg(name_), "Not Now")
               : confirm(this, "switchOnInFileManager", QString("Switch on Nimbra in %1?").arg(name_),
                         QString("Nimbra is switched off in %1 context menu settings. Switch it on there?")
                             .arg(look::possessive(name_)),
                         "Switch On", "Not Now");
  if (agreed) presence_->takeIn();
}

}  // namespace nimbra::app
