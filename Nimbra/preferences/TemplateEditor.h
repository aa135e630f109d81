#pragma once
// The sheet that edits the template of a text entry: what every new file of the
// type starts with. Nothing is written unless the user saves or removes.

#include <QDialog>

#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace nimbra::preferences {

class TemplateEditor : public QDialog {
 public:
  // `write` receives the new template; `extLabel` is the entry's extension.
  TemplateEditor(QString extLabel, const QString& templateText, std::function<void(const QString&)> write,
                 QWidget* parent);

  // What the text may be getting wrong for its extension; empty when nothing.
  static QString warning(const QString& text, const QString& extLabel);

 private:
  void bufferChanged();

  QString extLabel_;
  bool hadTemplate_;
  std::function<void(const QString&)> write_;
  QPlainTextEdit* buffer_;
  QLabel* caption_;
  QPushButton* save_;
};

}  // namespace nimbra::preferences
