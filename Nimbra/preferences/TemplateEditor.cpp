#include "TemplateEditor.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "Controls.h"
#include "nimbra/NewItem.h"
#include "nimbra/Text.h"
#include "app/Texts.h"

namespace nimbra::preferences {

using app::Texts;
namespace {

QString trimmed(const QString& text) {
  const std::string utf8 = text.toStdString();
  return QString::fromStdString(std::string(text::trimWhitespacesAndNewlines(utf8)));
}

}  // namespace

QString TemplateEditor::warning(const QString& text, const QString& extLabel) {
  switch (NewItem::checkTemplate(text.toStdString(), extLabel.toStdString())) {
    case NewItem::TemplateWarning::none: return {};
    case NewItem::TemplateWarning::invalidJSON: return Texts::tr("Not valid JSON yet — you can still save.");
    case NewItem::TemplateWarning::missingShebang:
      return Texts::tr("Tip: shell scripts usually start with a shebang, e.g. #!/bin/sh");
  }
  return {};
}

TemplateEditor::TemplateEditor(QString extLabel, const QString& templateText, std::function<void(const QString&)> write,
                               QWidget* parent)
    : QDialog(parent), extLabel_(std::move(extLabel)), hadTemplate_(!templateText.isEmpty()), write_(std::move(write)) {
  setObjectName("templateEditor");
  setWindowModality(Qt::WindowModal);
  setAttribute(Qt::WA_DeleteOnClose);
  const QString title = extLabel_.isEmpty() ? Texts::tr("Template") : Texts::tr("Template for .%1").arg(extLabel_);
  setWindowTitle(title);
  setMinimumSize(560, 420);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(20, 20, 20, 20);
  layout->setSpacing(12);
  auto* heading = new QLabel(title, this);
  heading->setObjectName("title");
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  layout->addWidget(heading);

  buffer_ = new QPlainTextEdit(templateText, this);
  buffer_->setObjectName("buffer");
  QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  mono.setPointSize(12);
  buffer_->setFont(mono);
  buffer_->setMinimumHeight(220);
  buffer_->setFrameShape(QFrame::NoFrame);
  // The outline in the separator colour, rounded like the description's sheet.
  auto* outline = new QFrame(this);
  outline->setObjectName("outline");
  outline->setStyleSheet(QStringLiteral("#outline { border: 1px solid palette(mid); border-radius: 4px; background: palette(base); }"));
  auto* outlineLayout = new QVBoxLayout(outline);
  outlineLayout->setContentsMargins(4, 4, 4, 4);
  outlineLayout->addWidget(buffer_);
  layout->addWidget(outline, 1);

  caption_ = caption(QString(), this);
  caption_->setObjectName("caption");
  layout->addWidget(caption_);

  auto* buttons = new QHBoxLayout;
  if (hadTemplate_) {
    auto* remove = new QPushButton(Texts::tr("Remove Template"), this);
    remove->setToolTip(Texts::tr("The type keeps working; new files start empty"));
    QPalette red = remove->palette();
    red.setColor(QPalette::ButtonText, errorColour());
    remove->setPalette(red);
    remove->setAutoDefault(false);
    connect(remove, &QPushButton::clicked, this, [this] {
      write_(QString());
      accept();
    });
    buttons->addWidget(remove);
  }
  buttons->addStretch();
  auto* cancel = new QPushButton(Texts::tr("Cancel"), this);
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);  // Escape rejects as well
  buttons->addWidget(cancel);
  save_ = new QPushButton(Texts::tr("Save Template"), this);
  save_->setAutoDefault(false);
  connect(save_, &QPushButton::clicked, this, [this] {
    write_(buffer_->toPlainText());
    accept();
  });
  auto* shortcut = new QShortcut(QKeySequence::Save, this);
  connect(shortcut, &QShortcut::activated, save_, &QPushButton::click);
  buttons->addWidget(save_);
  layout->addLayout(buttons);

  connect(buffer_, &QPlainTextEdit::textChanged, this, &TemplateEditor::bufferChanged);
  bufferChanged();
  resize(560, 420);
}

void TemplateEditor::bufferChanged() {
  const QString text = buffer_->toPlainText();
  // A template the entry had may be saved blank; a new one needs some content.
  save_->setEnabled(hadTemplate_ || !trimmed(text).isEmpty());
  const QString warning = TemplateEditor::warning(text, extLabel_);
  QPalette colours = caption_->palette();
  if (!warning.isEmpty()) {
    caption_->setText(warning);
    colours.setColor(QPalette::WindowText, warningColour());
    caption_->setPalette(colours);
    caption_->setForegroundRole(QPalette::WindowText);
  } else {
    caption_->setText(extLabel_.isEmpty()
                          ? Texts::tr("The contents of every new file created with this type.")
                          : Texts::tr("The contents of every new .%1 file created with this type.").arg(extLabel_));
    caption_->setForegroundRole(QPalette::PlaceholderText);
  }
}

}  // namespace nimbra::preferences
