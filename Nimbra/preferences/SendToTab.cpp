#include <QVBoxLayout>

#include "Tabs.h"
#include "app/Texts.h"

namespace nimbra::preferences {

using app::Texts;

SendToTab::SendToTab(PreferencesModel& model, const PreferencesServices& services, Save save, QWidget* parent)
    : QWidget(parent), model_(model), services_(services), save_(std::move(save)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 10, 8, 8);
  layout->setSpacing(12);
  layout->addWidget(secondaryText(Texts::tr("Shown when you right-click selected files or folders."), this));
  list_ = new ReorderableList(this);
  list_->setObjectName("sendTo");
  // Only the order and the switches change here: nothing is added or removed.
  list_->onMove = [this](const std::set<std::size_t>& rows, std::size_t destination) {
    save_([&] { model_.setSendTo(moved(model_.sendTo(), rows, destination)); });
  };
  connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    const SendToAction action = static_cast<SendToAction::Case>(item->data(Qt::UserRole).toInt());
    const bool on = item->checkState() == Qt::Checked;
    save_([&] { model_.setSendToEnabled(action, on); });
  });
  layout->addWidget(list_, 1);
  sync();
}

void SendToTab::sync() {
  const QSignalBlocker quiet(list_);
  list_->clear();
  for (const auto& entry : model_.sendTo()) {
    auto* item = new QListWidgetItem(QString::fromStdString(services_.strings->text(entry.action.titleKey())), list_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsDragEnabled);
    item->setCheckState(entry.enabled ? Qt::Checked : Qt::Unchecked);
    item->setData(Qt::UserRole, static_cast<int>(SendToAction::Case(entry.action)));
    item->setSizeHint(QSize(0, 30));
  }
}

}  // namespace nimbra::preferences
