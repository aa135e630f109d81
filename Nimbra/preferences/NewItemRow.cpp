#include "NewItemRow.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "Controls.h"
#include "TemplateEditor.h"
#include "app/Appearance.h"
#include "nimbra/MenuIcon.h"
#include "app/Texts.h"

namespace nimbra::preferences {

using app::Texts;
namespace {

constexpr int kTemplateWidth = 76;
constexpr int kDeleteWidth = 22;

QString message(NewItem::ValidationError error) {
  switch (error) {
    case NewItem::ValidationError::empty: return Texts::tr("Extension cannot be empty");
    case NewItem::ValidationError::tooLong: return Texts::tr("Extension too long (max 16 characters)");
    case NewItem::ValidationError::badCharacters: return Texts::tr("Allowed: letters, digits, . _ -");
  }
  return {};
}

QString qt(const std::string& text) { return QString::fromStdString(text); }

// Sets the text only when it differs, so typing in a field is never disturbed.
void showText(QLineEdit* field, const QString& text) {
  if (field && field->text() != text) field->setText(text);
}

QLineEdit* field(const QString& title, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setAccessibleName(title);
  return edit;
}

const NewItemKind::Text* textKind(const NewItem& item) { return item.kind.as<NewItemKind::Text>(); }

}  // namespace

NewItemRow::NewItemRow(const NewItem& item, const PreferencesServices& services, Actions actions, QWidget* parent)
    : QWidget(parent), item_(item), services_(services), actions_(std::move(actions)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 5, 6, 5);
  layout->setSpacing(6);

  enabled_ = new Switch(this);
  enabled_->setObjectName("enabled");
  connect(enabled_, &Switch::clicked, this, [this](bool on) {
    NewItem next = item_;
    next.enabled = on;
    change(next);
  });
  layout->addWidget(enabled_);

  icon_ = new QLabel(this);
  icon_->setObjectName("icon");
  icon_->setFixedSize(16, 16);
  layout->addWidget(icon_);

  label_ = field(Texts::tr("Menu label"), this);
  label_->setObjectName("label");
  label_->setMinimumWidth(80);
  connect(label_, &QLineEdit::textEdited, this, [this](const QString& text) {
    NewItem next = item_;
    next.customLabel = text.isEmpty() ? std::nullopt : std::optional(text.toStdString());
    change(next);
  });
  layout->addWidget(label_, 1);

  if (!item.kind.is<NewItemKind::DatedFolder>() && !item.kind.is<NewItemKind::Alias>()) {
    name_ = field(Texts::tr("Name"), this);
    name_->setObjectName("name");
    name_->setFixedWidth(170);
    name_->setToolTip(Texts::tr("Name of the new item"));
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
      NewItem next = item_;
      next.customBaseName = text.isEmpty() ? std::nullopt : std::optional(text.toStdString());
      change(next);
    });
    layout->addWidget(name_);
  }

  const QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (item.isBuiltIn) {
    fixedExt_ = secondaryText(QString(), this);
    fixedExt_->setObjectName("ext");
    fixedExt_->setFont(mono);
    fixedExt_->setFixedWidth(90);
    layout->addWidget(fixedExt_);
  } else {
    // The outline around the field turns red while the extension is not valid.
    extOutline_ = new QFrame(this);
    extOutline_->setObjectName("extOutline");
    extOutline_->setFixedWidth(90);
    auto* outlined = new QHBoxLayout(extOutline_);
    outlined->setContentsMargins(1, 1, 1, 1);
    ext_ = field("ext", extOutline_);
    ext_->setObjectName("ext");
    ext_->setFont(mono);
    connect(ext_, &QLineEdit::textEdited, this, &NewItemRow::extEdited);
    outlined->addWidget(ext_);
    layout->addWidget(extOutline_);
  }

  // A row without a template or a delete button keeps their places empty, so the
  // fields of all rows line up.
  if (textKind(item)) {
    template_ = new QToolButton(this);  // a small button
    template_->setObjectName("template");
    template_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(template_, &QToolButton::clicked, this, &NewItemRow::editTemplate);
  }
  QToolButton* remove = nullptr;
  if (actions_.remove) {
    remove = new QToolButton(this);
    remove->setObjectName("delete");
    remove->setAutoRaise(true);
    remove->setIcon(QIcon(services_.icons->image(MenuIcon::Symbol{"trash"}, app::appearance::isDark())));
    remove->setToolTip(Texts::tr("Delete this custom type"));
    connect(remove, &QToolButton::clicked, this, [this] { actions_.remove(); });
  }
  QWidget* templateSlot = template_ ? static_cast<QWidget*>(template_) : new QWidget(this);
  QWidget* deleteSlot = remove ? static_cast<QWidget*>(remove) : new QWidget(this);
  templateSlot->setFixedWidth(kTemplateWidth);
  deleteSlot->setFixedWidth(kDeleteWidth);
  layout->addWidget(templateSlot);
  layout->addWidget(deleteSlot);
  refresh();
}

void NewItemRow::setItem(const NewItem& item) {
  item_ = item;
  refresh();
}

void NewItemRow::setExtError(std::optional<QString> error) {
  extError_ = std::move(error);
  refresh();
}

void NewItemRow::change(NewItem item) {
  item_ = item;
  actions_.change(item);
}

void NewItemRow::extEdited(const QString& text) {
  // What was typed is stored first, then checked.
  NewItem next = item_;
  next.ext = text.toStdString();
  change(next);
  if (item_ != next) return;  // not stored: the row shows the model again
  const auto checked = NewItem::validateExtension(next.ext);
  if (const auto* error = std::get_if<NewItem::ValidationError>(&checked)) {
    extError_ = message(*error);
  } else {
    // A leading dot or a surrounding space goes at the keystroke that brought it.
    const auto& normalised = std::get<std::string>(checked);
    if (normalised != next.ext) {
      next.ext = normalised;
      change(next);
    }
    extError_.reset();
  }
  refresh();
}

void NewItemRow::editTemplate() {
  const auto* kind = textKind(item_);
  if (!kind) return;
  // The sheet outlives this row, which another writer's change or the desktop's style
  // may rebuild: it saves through the entry's id, not through the row.
  auto* editor = new TemplateEditor(
      qt(item_.ext), qt(kind->templateText),
      [setTemplate = actions_.setTemplate](const QString& text) { setTemplate(text.toStdString()); }, window());
  editor->open();
}

void NewItemRow::refresh() {
  const bool valid = item_.isUsable();
  enabled_->setChecked(item_.enabled);
  enabled_->setEnabled(valid);
  enabled_->setToolTip(valid ? Texts::tr("Show in the Files menu") : Texts::tr("Enter a valid extension first"));

  const auto icon = newItemIcon(item_, *services_.contentTypes);
  QPixmap image = icon ? services_.icons->image(*icon, app::appearance::isDark()) : QPixmap();
  if (image.isNull()) {
    image = QPixmap(32, 32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::transparent);
  }
  icon_->setPixmap(image);

  // The placeholders are what the menu shows when the fields are left empty.
  NewItem defaults = item_;
  defaults.customLabel.reset();
  defaults.customBaseName.reset();
  label_->setPlaceholderText(qt(defaults.label(*services_.strings)));
  showText(label_, qt(item_.customLabel.value_or("")));
  if (name_) {
    name_->setPlaceholderText(qt(defaults.baseName(*services_.strings)));
    showText(name_, qt(item_.customBaseName.value_or("")));
  }

  if (fixedExt_) fixedExt_->setText(item_.ext.empty() ? QString() : "." + qt(item_.ext));
  if (ext_) {
    showText(ext_, qt(item_.ext));
    ext_->setToolTip(extError_.value_or(Texts::tr("File extension (letters, digits, . _ -)")));
    extOutline_->setProperty("invalid", extError_.has_value());
    const QColor border = extError_ ? errorColour() : QColor(Qt::transparent);
    extOutline_->setStyleSheet(QStringLiteral("#extOutline { border: 1px solid %1; border-radius: 4px; }").arg(border.name(QColor::HexArgb)));
  }

  if (const auto* kind = textKind(item_)) template_->setText(kind->templateText.empty() ? Texts::tr("Template…") : Texts::tr("Edit…"));
}

}  // namespace nimbra::preferences
