#include "TransferDialog.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/EmbeddedChooser.h"
#include "nimbra/NumberedNames.h"
#include "app/Texts.h"

namespace nimbra::app {

QString TransferDialog::message(const std::vector<std::filesystem::path>& items) {
  if (items.size() == 1) return Texts::tr("Choose a folder for “%1”").arg(QString::fromStdString(lastComponent(items.front())));
  //: Never fewer than two items.
  return Texts::tr("Choose a folder for the %n items", nullptr, static_cast<int>(items.size()));
}

TransferDialog::TransferDialog(const std::vector<std::filesystem::path>& items, QWidget* parent)
    : QDialog(parent), chooser_(new QFileDialog(this)) {
  setObjectName("transferDialog");
  setWindowTitle(Texts::tr("Send to Another Folder"));
  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(message(items), this);
  text->setObjectName("message");
  layout->addWidget(text);

  // Our own chooser, not the desktop's: it sits inside this window with the copy or
  // move choice beside it.
  chooser_->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::ShowDirsOnly);
  chooser_->setFileMode(QFileDialog::Directory);
  chooser_->setAcceptMode(QFileDialog::AcceptOpen);
  if (!items.empty()) chooser_->setDirectory(QString::fromStdString(items.front().parent_path().string()));
  embedChooser(*this, *layout, *chooser_);

  auto* mode = new QHBoxLayout;
  mode->setContentsMargins(12, 10, 12, 10);
  mode->addWidget(new QLabel(Texts::tr("Send by:"), this));
  copy_ = new QPushButton(Texts::tr("Copy"), this);
  move_ = new QPushButton(Texts::tr("Move"), this);
  auto* group = new QButtonGroup(this);
  for (auto* button : {copy_, move_}) {
    button->setCheckable(true);
    group->addButton(button);
    mode->addWidget(button);
  }
  mode->addStretch();
  layout->addLayout(mode);
  resize(720, 480);
  copy_->setChecked(true);
  connect(group, &QButtonGroup::buttonToggled, this, &TransferDialog::modeChanged);
  modeChanged();
}

void TransferDialog::modeChanged() { chooser_->setLabelText(QFileDialog::Accept, move() ? Texts::tr("Move Here") : Texts::tr("Copy Here")); }

bool TransferDialog::move() const { return move_->isChecked(); }

std::optional<std::filesystem::path> TransferDialog::folder() const {
  const auto chosen = chooser_->selectedFiles();
  if (result() != Accepted || chosen.isEmpty()) return std::nullopt;
  return std::filesystem::path(chosen.front().toStdString());
}

}  // namespace nimbra::app
