#include "TransferDialog.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/EmbeddedChooser.h"
#include "nimbra/NumberedNames.h"

namespace nimbra::app {

QString TransferDialog::message(const std::vector<std::filesystem::path>& items) {
  if (items.size() == 1) return "Choose a folder for “" + QString::fromStdString(lastComponent(items.front())) + "”";
  return "Choose a folder for the " + QString::number(items.size()) + " items";
}

TransferDialog::TransferDialog(const std::vector<std::filesystem::path>& items, QWidget* parent)
    : QDialog(parent), chooser_(new QFileDialog(this)) {
  setObjectName("transferDialog");
  setWindowTitle("Send to Another Folder");
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
  mode->addWidget(new QLabel("Send by:", this));
  copy_ = new QPushButton("Copy", this);
  move_ = new QPushButton("Move", this);
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

void TransferDialog::modeChanged() { chooser_->setLabelText(QFileDialog::Accept, move() ? "Move Here" : "Copy Here"); }

bool TransferDialog::move() const { return move_->isChecked(); }

std::optional<std::filesystem::path> TransferDialog::folder() const {
  const auto chosen = chooser_->selectedFiles();
  if (result() != Accepted || chosen.isEmpty()) return std::nullopt;
  return std::filesystem::path(chosen.front().toStdString());
}

}  // namespace nimbra::app
