#include "AppChooser.h"

#include <QCollator>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "icons/MenuIcons.h"
#include "app/Texts.h"

namespace nimbra::preferences {

using app::Texts;
namespace {

constexpr int kPathRole = Qt::UserRole;

}  // namespace

AppChooser::AppChooser(std::vector<AppLocation> apps, QWidget* parent) : QDialog(parent) {
  setObjectName("appChooser");
  setWindowTitle(Texts::tr("Add App"));
  resize(420, 480);
  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(12);

  search_ = new QLineEdit(this);
  search_->setObjectName("search");
  search_->setPlaceholderText(Texts::tr("Search"));
  search_->setClearButtonEnabled(true);
  connect(search_, &QLineEdit::textChanged, this, &AppChooser::filter);
  layout->addWidget(search_);

  list_ = new QListWidget(this);
  list_->setObjectName("apps");
  list_->setIconSize(QSize(24, 24));
  QCollator byName;
  byName.setCaseSensitivity(Qt::CaseInsensitive);
  std::sort(apps.begin(), apps.end(),
            [&](const AppLocation& a, const AppLocation& b) { return byName.compare(QString::fromStdString(a.name), QString::fromStdString(b.name)) < 0; });
  for (const auto& app : apps) {
    auto* item = new QListWidgetItem(icons::MenuIcons::fromEntry(app.icon), QString::fromStdString(app.name), list_);
    item->setData(kPathRole, QString::fromStdString(app.url.string()));
  }
  connect(list_, &QListWidget::itemSelectionChanged, this, [this] { add_->setEnabled(!list_->selectedItems().isEmpty()); });
  connect(list_, &QListWidget::itemActivated, this, &AppChooser::chooseListed);
  layout->addWidget(list_, 1);

  auto* buttons = new QHBoxLayout;
  auto* file = new QPushButton(Texts::tr("Choose File…"), this);
  file->setAutoDefault(false);
  connect(file, &QPushButton::clicked, this, &AppChooser::chooseFile);
  buttons->addWidget(file);
  buttons->addStretch();
  auto* cancel = new QPushButton(Texts::tr("Cancel"), this);
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(cancel);
  add_ = new QPushButton(Texts::tr("Add"), this);
  add_->setDefault(true);
  add_->setEnabled(false);
  connect(add_, &QPushButton::clicked, this, &AppChooser::chooseListed);
  buttons->addWidget(add_);
  layout->addLayout(buttons);
  search_->setFocus();
}

void AppChooser::filter(const QString& text) {
  for (int row = 0; row < list_->count(); ++row) {
    auto* item = list_->item(row);
    item->setHidden(!item->text().contains(text.trimmed(), Qt::CaseInsensitive));
  }
}

void AppChooser::chooseListed() {
  const auto selected = list_->selectedItems();
  if (selected.isEmpty() || selected.front()->isHidden()) return;
  chosen_ = selected.front()->data(kPathRole).toString().toStdString();
  accept();
}

void AppChooser::chooseFile() {
  // Any file may be chosen here; adding it tells whether it is an application.
  QFileDialog files(this, Texts::tr("Choose an App"), "/usr/share/applications",
                    Texts::tr("Applications (*.desktop);;All Files (*)"));
  files.setObjectName("appFile");
  files.setOption(QFileDialog::DontUseNativeDialog);
  files.setFileMode(QFileDialog::ExistingFile);
  files.setLabelText(QFileDialog::Accept, Texts::tr("Add"));
  if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty()) return;
  chosen_ = files.selectedFiles().front().toStdString();
  accept();
}

}  // namespace nimbra::preferences
