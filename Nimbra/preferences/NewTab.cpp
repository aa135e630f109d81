#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "NewItemRow.h"
#include "Tabs.h"
#include "app/Texts.h"

namespace nimbra::preferences {

using app::Texts;
namespace {

QCheckBox* toggle(const QString& text, const char* name, QWidget* parent) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(name);
  return box;
}

}  // namespace

NewTab::NewTab(PreferencesModel& model, const PreferencesServices& services, Save save, QWidget* parent)
    : QWidget(parent), model_(model), services_(services), save_(std::move(save)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 10, 8, 8);
  layout->setSpacing(12);

  auto* header = new QHBoxLayout;
  header->addWidget(secondaryText(Texts::tr("Items in the New menu, in menu order. Drag to reorder."), this), 1);
  auto* add = new QPushButton(Texts::tr("Add Custom Type…"), this);
  connect(add, &QPushButton::clicked, this, [this] {
    save_([this] { model_.addCustomType(); });
    // The new row is where the user types its extension and label.
    list_->scrollToBottom();
    if (auto* ext = rows_.empty() ? nullptr : rows_.back()->findChild<QLineEdit*>("ext")) ext->setFocus();
  });
  header->addWidget(add);
  layout->addLayout(header);

  list_ = new ReorderableList(this);
  list_->setObjectName("newItems");
  list_->onMove = [this](const std::set<std::size_t>& rows, std::size_t destination) {
    save_([&] { model_.moveNewItems(rows, destination); });
  };
  layout->addWidget(list_, 1);

  group_ = toggle(Texts::tr("Group under New ▸"), "groupNewItems", this);
  connect(group_, &QCheckBox::clicked, this, [this](bool on) { save_([&] { model_.setGroupNewItems(on); }); });
  layout->addWidget(group_);
  unopenable_ = toggle(Texts::tr("Show types even without an app to open them"), "showUnopenableTypes", this);
  connect(unopenable_, &QCheckBox::clicked, this, [this](bool on) { save_([&] { model_.setShowUnopenableTypes(on); }); });
  layout->addWidget(unopenable_);
  layout->addWidget(caption(Texts::tr("Off: Word, Pages and similar items only appear when an app that opens them is installed."), this));
  rename_ = toggle(Texts::tr("Rename new items right away"), "renameNewItems", this);
  connect(rename_, &QCheckBox::clicked, this, [this](bool on) { save_([&] { model_.setRenameNewItems(on); }); });
  layout->addWidget(rename_);
  layout->addWidget(
      caption(Texts::tr("Like Windows, the name is ready to type over. Nimbra presses F2 in Files for you."), this));
  sync();
}

void NewTab::sync() {
  const auto& items = model_.newItems();
  const bool sameRows = std::equal(items.begin(), items.end(), rows_.begin(), rows_.end(),
                                   [](const NewItem& item, const NewItemRow* row) { return item.id == row->item().id; });
  if (sameRows) {
    for (std::size_t i = 0; i < items.size(); ++i) rows_[i]->setItem(items[i]);
  } else {
    rebuild();
  }
  group_->setChecked(model_.groupNewItems());
  unopenable_->setChecked(model_.showUnopenableTypes());
  rename_->setChecked(model_.renameNewItems());
}

void NewTab::rebuild() {
  // A row's message stays with its entry wherever the entry moves.
  std::map<std::string, std::optional<QString>> errors;
  for (const auto* row : rows_) errors[row->item().id] = row->extError();
  const int scrolled = list_->verticalScrollBar()->value();
  list_->clear();
  rows_.clear();
  for (const auto& item : model_.newItems()) {
    auto* row = makeRow(item);
    if (const auto it = errors.find(item.id); it != errors.end()) row->setExtError(it->second);
    list_->addRow(row);
    rows_.push_back(row);
  }
  list_->verticalScrollBar()->setValue(scrolled);
}

NewItemRow* NewTab::makeRow(const NewItem& item) {
  NewItemRow::Actions actions;
  actions.change = [this](const NewItem& edited) { change(edited); };
  if (!item.isBuiltIn) actions.remove = [this, item] { save_([&] { model_.removeCustomType(item); }); };
  actions.setTemplate = [this, id = item.id](const std::string& text) { save_([&] { model_.setTemplate(text, id); }); };
  return new NewItemRow(item, services_, std::move(actions));
}

void NewTab::change(const NewItem& edited) {
  save_([&] { model_.updateNewItem(edited); });
}

}  // namespace nimbra::preferences
