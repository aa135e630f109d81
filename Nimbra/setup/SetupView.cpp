#include "SetupView.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "MenuPreview.h"
#include "SetupLook.h"
#include "app/Alerts.h"
#include "app/Texts.h"

namespace nimbra::app {
namespace {

QLabel* label(const QString& text, look::Style style, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setFont(look::font(style, parent->font()));
  label->setWordWrap(true);
  return label;
}

// The file manager's name as its users know it: GNOME's "Files" is a word, and
// translated; the others are names.
QString displayName(const std::string& name) {
  return name == "Files" ? Texts::tr("Files", "GNOME's file manager") : QString::fromStdString(name);
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
      name_(displayName(presence_->name())),
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
  subtitle_ = label(Texts::tr("Right-click like you did on Windows."), look::Style::title3, pane);
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
  checkAgain_ = new QPushButton(Texts::tr("Check again"), pane);
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
      {on, (on ? Texts::tr("Nimbra is on in %1") : Texts::tr("Turn on Nimbra in %1")).arg(name_),
       on ? Texts::tr("You can turn it off again here.")
       : restarts
           ? Texts::tr("Nimbra switches on its %1 extension, and asks before restarting %1 if it has to.").arg(name_)
           : look::naming(
                 //: %1 is the file manager's name, %2 the same in the English possessive ("Files'", "Nemo's"); a translation may use %1 only.
                 Texts::tr("Nimbra switches on its %1 extension, and asks before changing %2 settings if it has to."),
                 name_),
       on ? Texts::tr("Turn Off…") : Texts::tr("Turn On…"), !on});
  tryRow_->setRow(
      {used,
       Texts::tr("Right-click in a folder"),
       used ? Texts::tr("It works. Nimbra has made something from %1.").arg(name_)
            : Texts::tr("Try New ▸ Text Document, right-click a file for Send to ▸, or a folder for Open Folder with ▸."),
       {},
       false});
  customizeRow_->setRow({std::nullopt, Texts::tr("Make the menus yours"),
                         Texts::tr("Pick which file types, Send to places and apps appear, and in what order."),
                         Texts::tr("Customize Menus…"), on});
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
      return warn(this, Texts::tr("Nimbra isn't installed in %1").arg(name_),
                  //: %1 is the file manager's name, %2 the folder it loads its extensions from.
                  Texts::tr("%1 loads its extensions from %2, and Nimbra's is not there. Install Nimbra again, then "
                            "choose Turn On… once more.")
                      .arg(name_, QString::fromStdString(presence_->extensionFolder().string())));
    case SetupState::Remaining::restartFileManager:
      return offerToTakeIn();
  }
}

void SetupView::turnOff() {
  if (confirm(this, "turnOff", Texts::tr("Turn off Nimbra in %1?").arg(name_),
              look::naming(
                  //: %1 is the file manager's name, %2 the same in the English possessive ("Files'", "Nemo's"); a translation may use %1 only.
                  Texts::tr("New, Send to and Open Folder with leave %2 menus at once. You can turn Nimbra on again here."),
                  name_),
              Texts::tr("Turn Off"), Texts::tr("Cancel")) &&
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
      restarts ? confirm(this, "restartFiles", Texts::tr("Restart %1?").arg(name_),
                         Texts::tr("%1 loads Nimbra when it starts. Restarting closes the %1 windows, so let copies and "
                                   "moves in %1 finish first.")
                             .arg(name_),
                         Texts::tr("Restart %1").arg(name_), Texts::tr("Not Now"))
               : confirm(this, "switchOnInFileManager", Texts::tr("Switch on Nimbra in %1?").arg(name_),
                         look::naming(
                             //: %1 is the file manager's name, %2 the same in the English possessive ("Files'", "Nemo's"); a translation may use %1 only.
                             Texts::tr("Nimbra is switched off in %2 context menu settings. Switch it on there?"),
                             name_),
                         Texts::tr("Switch On"), Texts::tr("Not Now"));
  if (agreed) presence_->takeIn();
}

}  // namespace nimbra::app
