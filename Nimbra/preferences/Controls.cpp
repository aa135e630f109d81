#include "Controls.h"

#include <QDropEvent>
#include <QPainter>

#include "app/Appearance.h"

namespace nimbra::preferences {

Switch::Switch(QWidget* parent) : QAbstractButton(parent) {
  setCheckable(true);
  setCursor(Qt::PointingHandCursor);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void Switch::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
  const bool dark = app::appearance::isDark();
  QColor fill = isChecked() ? palette().color(QPalette::Highlight) : (dark ? QColor(0x55, 0x55, 0x55) : QColor(0xd0, 0xd0, 0xd0));
  if (!isEnabled()) fill.setAlphaF(0.45);
  painter.setPen(Qt::NoPen);
  painter.setBrush(fill);
  painter.drawRoundedRect(track, track.height() / 2, track.height() / 2);
  const qreal knob = track.height() - 4;
  const qreal x = isChecked() ? track.right() - 2 - knob : track.left() + 2;
  painter.setBrush(isEnabled() ? QColor(Qt::white) : QColor(0xf0, 0xf0, 0xf0));
  painter.drawEllipse(QRectF(x, track.top() + 2, knob, knob));
  if (hasFocus()) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), height() / 2.0, height() / 2.0);
  }
}

ReorderableList::ReorderableList(QWidget* parent) : QListWidget(parent) {
  setDragDropMode(QAbstractItemView::InternalMove);
  setDefaultDropAction(Qt::MoveAction);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setAlternatingRowColors(false);
  setFrameShape(QFrame::StyledPanel);
  setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  // The rows' own fields take the focus; the list never shows a current row.
  setFocusPolicy(Qt::NoFocus);
  // Fields draw on the base colour: the list behind them takes the window's, so they stand out.
  viewport()->setBackgroundRole(QPalette::Window);
  // Rows are as wide as the list; their fields give way instead.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setResizeMode(QListView::Adjust);
}

void ReorderableList::addRow(QWidget* row) {
  auto* item = new QListWidgetItem(this);
  item->setSizeHint(QSize(0, row->sizeHint().height()));
  setItemWidget(item, row);
}

void ReorderableList::dropSelectedAt(QPoint position) {
  std::set<std::size_t> rows;
  for (auto* item : selectedItems()) rows.insert(static_cast<std::size_t>(row(item)));
  if (rows.empty() || !onMove) return;
  std::size_t destination = static_cast<std::size_t>(count());
  if (auto* target = itemAt(position)) {
    const QRect bounds = visualItemRect(target);
    destination = static_cast<std::size_t>(row(target) + (position.y() >= bounds.center().y() ? 1 : 0));
  }
  onMove(rows, destination);
}

void ReorderableList::dropEvent(QDropEvent* event) {
  if (event->source() != this) {
    event->ignore();
    return;
  }
  // Ignored as a move, so the view removes no rows of its own when the drag ends.
  event->setDropAction(Qt::IgnoreAction);
  event->accept();
  dropSelectedAt(event->position().toPoint());
}

QLabel* secondaryText(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setForegroundRole(QPalette::PlaceholderText);
  label->setWordWrap(true);  // some languages' words run longer than English's
  return label;
}

QLabel* caption(const QString& text, QWidget* parent) {
  auto* label = secondaryText(text, parent);
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * 0.85);
  label->setFont(font);
  return label;
}

QColor errorColour() { return app::appearance::isDark() ? QColor(0xff, 0x7b, 0x63) : QColor(0xc0, 0x1c, 0x28); }
QColor warningColour() { return app::appearance::isDark() ? QColor(0xff, 0xa3, 0x48) : QColor(0xc6, 0x46, 0x00); }

}  // namespace nimbra::preferences
