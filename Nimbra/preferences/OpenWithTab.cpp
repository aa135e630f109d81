#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "AppChooser.h"
#include "Tabs.h"
#include "app/Appearance.h"
#include "app/Texts.h"

namespace nimbra::preferences {

using app::Texts;

OpenWithTab::OpenWithTab(PreferencesModel& model, const PreferencesServices& services, Save save, QWidget* parent)
    : QWidget(parent), model_(model), services_(services), save_(std::move(save)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 10, 8, 8);
  layout->setSpacing(12);
  auto* header = new QHBoxLayout;
  header->addWidget(
      secondaryText(Texts::tr("Opens the folder in the chosen app. Only installed apps appear in Files."), this), 1);
  auto* add = new QPushButton(Texts::tr("Add App…"), this);
  connect(add, &QPushButton::clicked, this, &OpenWithTab::addApp);
  header->addWidget(add);
  layout->addLayout(header);

  list_ = new ReorderableList(this);
  list_->setObjectName("openWith");
  list_->onMove = [this](const std::set<std::size_t>& rows, std::size_t destination) {
    save_([&] { model_.setOpenWith(moved(model_.openWith(), rows, destination)); });
  };
  layout->addWidget(list_, 1);

  addError_ = caption(QString(), this);
  addError_->setObjectName("addError");
  addError_->hide();
  layout->addWidget(addError_);
  sync();
}

void OpenWithTab::sync() {
  const int scrolled = list_->verticalScrollBar()->value();
  list_->clear();
  const auto& entries = model_.openWith();
  for (const auto& entry : entries) list_->addRow(makeRow(entry));
  list_->verticalScrollBar()->setValue(scrolled);
}

QWidget* OpenWithTab::makeRow(const OpenWithEntry& entry) {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(8, 4, 8, 4);
  layout->setSpacing(8);
  // Looked up afresh: an app installed or removed since shows as it is now.
  const auto location = services_.apps->applicationURL(entry.bundleID);

  auto* enabled = new Switch(row);
  enabled->setObjectName("enabled");
  enabled->setChecked(entry.enabled);
  enabled->setEnabled(location.has_value());
  connect(enabled, &Switch::clicked, this,
          [this, id = entry.bundleID](bool on) { save_([&] { model_.setOpenWithEnabled(id, on); }); });
  layout->addWidget(enabled);

  if (location) {
    auto* icon = new QLabel(row);
    icon->setObjectName("icon");
    icon->setPixmap(icons::MenuIcons::fromEntry(location->icon).pixmap(QSize(20, 20), devicePixelRatioF()));
    icon->setFixedSize(20, 20);
    layout->addWidget(icon);
  }
  QString name;
  if (const auto known = OpenWithEntry::knownAppName(entry.bundleID)) {
    name = QString::fromUtf8(known->data(), static_cast<qsizetype>(known->size()));
  } else if (location) {
    name = QString::fromStdString(location->name);
  } else {
    name = QString::fromStdString(entry.bundleID);
  }
  auto* label = location ? new QLabel(name, row) : secondaryText(name, row);
  label->setObjectName("name");
  layout->addWidget(label);
  layout->addStretch();

  if (!location) {
    auto* missing = caption(Texts::tr("Not installed"), row);
    missing->setObjectName("notInstalled");
    missing->setForegroundRole(QPalette::WindowText);
    missing->setEnabled(false);  // the dimmest text the palette has
    layout->addWidget(missing);
  }
  if (!entry.isKnown) {
    auto* remove = new QToolButton(row);
    remove->setObjectName("delete");
    remove->setAutoRaise(true);
    remove->setIcon(QIcon(services_.icons->image(MenuIcon::Symbol{"trash"}, app::appearance::isDark())));
    connect(remove, &QToolButton::clicked, this, [this, id = entry.bundleID] { save_([&] { model_.removeApp(id); }); });
    layout->addWidget(remove);
  }
  return row;
}

void OpenWithTab::addApp() {
  AppChooser chooser(services_.installedApps ? services_.installedApps() : std::vector<AppLocation>{}, window());
  if (chooser.exec() != QDialog::Accepted || !chooser.chosen()) return;  // a previous message stays
  save_([&] {
    try {
      model_.addApp(*chooser.chosen());
      addError_->hide();
    } catch (const PreferencesModel::NotAnApp&) {
      addError_->setText(Texts::tr("That doesn't look like an app."));
      QPalette red = addError_->palette();
      red.setColor(QPalette::WindowText, errorColour());
      addError_->setPalette(red);
      addError_->setForegroundRole(QPalette::WindowText);
      addError_->show();
    }
  });
}

}  // namespace nimbra::preferences
