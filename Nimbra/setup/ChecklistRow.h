#pragma once
// One step of the setup checklist: a status mark, a title, a detail and perhaps a
// button, the prominent one being the step to take next.

#include <QString>
#include <QWidget>
#include <optional>

class QLabel;
class QPushButton;

namespace nimbra::app {

struct ChecklistRow {
  std::optional<bool> isDone;  // none: a step that is never done
  QString title;
  QString detail;
  QString button;  // empty: no button
  bool prominent = false;
};

class ChecklistRowView : public QWidget {
  Q_OBJECT

 public:
  explicit ChecklistRowView(QWidget* parent = nullptr);

  void setRow(const ChecklistRow& row);
  std::optional<bool> isDone() const { return isDone_; }

 signals:
  void buttonClicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The colours taken from the palette, again whenever the desktop's style changes.
  void paintColors();

  std::optional<bool> isDone_;
  bool prominent_ = false;
  QWidget* mark_;
  QLabel* title_;
  QLabel* detail_;
  QWidget* buttonBox_;
  QPushButton* button_;
};

}  // namespace nimbra::app
