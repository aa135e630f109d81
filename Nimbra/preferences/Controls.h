#pragma once
// Pieces every tab of the preferences window uses.

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>

#include <cstddef>
#include <functional>
#include <set>

namespace nimbra::preferences {

// Runs a change of the model. A write the settings refuse is told to the user, and
// the window shows the model (unchanged) again.
using Save = std::function<void(const std::function<void()>& change)>;

// An on/off switch without a label, drawn as GNOME draws settings switches.
class Switch : public QAbstractButton {
 public:
  explicit Switch(QWidget* parent = nullptr);
  QSize sizeHint() const override { return {36, 20}; }

 protected:
  void paintEvent(QPaintEvent*) override;
};

// A bordered list whose rows the user drags into a new order. The list never
// moves its rows itself: it says where the dragged rows should go, its owner
// changes the model, and the list is rebuilt from the model.
class ReorderableList : public QListWidget {
 public:
  explicit ReorderableList(QWidget* parent = nullptr);

  // The rows to move (positions) and the gap to move them to, counted before the move.
  std::function<void(const std::set<std::size_t>& rows, std::size_t destination)> onMove;

  void addRow(QWidget* row);
  // Moves the selected rows to the gap nearest `position` (viewport coordinates).
  void dropSelectedAt(QPoint position);

 protected:
  void dropEvent(QDropEvent* event) override;
};

// Text in the secondary colour.
QLabel* secondaryText(const QString& text, QWidget* parent);
// A caption: smaller text in the secondary colour.
QLabel* caption(const QString& text, QWidget* parent);
// Red for errors, orange for warnings, readable in both appearances.
QColor errorColour();
QColor warningColour();

}  // namespace nimbra::preferences
