#include "ChecklistRow.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "SetupLook.h"
#include "app/Texts.h"

namespace nimbra::app {
namespace {

void drawDone(QPainter& painter, const QPalette& colors) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(look::doneGreen.in(colors));
  painter.drawEllipse(QRectF(0.5, 0.5, 19, 19));
  painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const QPointF tick[] = {{5.5, 10.5}, {8.5, 13.5}, {14.5, 6.5}};
  painter.drawPolyline(tick, 3);
}

void drawNotDone(QPainter& painter, const QPalette& colors) {
  painter.setPen(QPen(look::tertiary(colors), 1.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QRectF(1.25, 1.25, 17.5, 17.5));
}

// Three sliders: a step that is a place to go rather than a thing to finish.
void drawSliders(QPainter& painter, const QPalette& colors) {
  const QColor color = look::secondary(colors);
  painter.setPen(QPen(color, 1.4, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(color);
  const qreal knobs[] = {7, 12, 9};
  for (int i = 0; i < 3; ++i) {
    const qreal y = 5.5 + 4.5 * i;
    painter.drawLine(QPointF(3, y), QPointF(17, y));
    painter.drawEllipse(QPointF(knobs[i], y), 1.8, 1.8);
  }
}

}  // namespace

ChecklistRowView::ChecklistRowView(QWidget* parent) : QWidget(parent) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(12);
  mark_ = new QWidget(this);
  // A 20-point mark a point lower than the title.
  mark_->setFixedSize(20, 21);
  mark_->installEventFilter(this);
  row->addWidget(mark_, 0, Qt::AlignTop);

  auto* column = new QVBoxLayout;
  column->setSpacing(3);
  title_ = new QLabel(this);
  title_->setObjectName("title");
  title_->setFont(look::font(look::Style::headline, font()));
  detail_ = new QLabel(this);
  detail_->setObjectName("detail");
  detail_->setFont(look::font(look::Style::callout, font()));
  detail_->setWordWrap(true);
  // The button sits 8 points under the detail, and goes with its space when there is none.
  buttonBox_ = new QWidget(this);
  auto* box = new QVBoxLayout(buttonBox_);
  box->setContentsMargins(0, 8 - column->spacing(), 0, 0);
  button_ = new QPushButton(buttonBox_);
  button_->setMinimumHeight(28);
  box->addWidget(button_, 0, Qt::AlignLeft);
  connect(button_, &QPushButton::clicked, this, &ChecklistRowView::buttonClicked);
  column->addWidget(title_);
  column->addWidget(detail_);
  column->addWidget(buttonBox_);
  row->addLayout(column, 1);
}

void ChecklistRowView::setRow(const ChecklistRow& row) {
  isDone_ = row.isDone;
  title_->setText(row.title);
  detail_->setText(row.detail);
  button_->setVisible(!row.button.isEmpty());
  buttonBox_->setVisible(!row.button.isEmpty());
  button_->setText(row.button);
  button_->setDefault(row.prominent);
  prominent_ = row.prominent;
  paintColors();
  // A large control: room around the title.
  button_->setMinimumWidth(0);
  button_->setMinimumWidth(button_->sizeHint().width() + (row.prominent ? 0 : 20));
  setAccessibleName(row.title);
  setAccessibleDescription(row.isDone == true ? Texts::tr("Done") : QString());
  mark_->update();
}

void ChecklistRowView::paintColors() {
  QPalette secondary = palette();
  secondary.setColor(QPalette::WindowText, look::secondary(palette()));
  detail_->setPalette(secondary);
  // Prominent: the default button, filled with the preview's selection blue (Fusion
  // would pale a palette colour).
  const QColor fill = look::selection.in(palette());
  button_->setStyleSheet(prominent_ ? QString("QPushButton { color: white; background: %1; border: 1px solid %2; "
                                              "border-radius: 5px; padding: 0 14px; }"
                                              "QPushButton:pressed { background: %2; }")
                                          .arg(fill.name(), fill.darker(125).name())
                                    : QString());
}

void ChecklistRowView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) paintColors();
}

bool ChecklistRowView::eventFilter(QObject* watched, QEvent* event) {
  if (watched != mark_ || event->type() != QEvent::Paint) return false;
  QPainter painter(mark_);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(0, 1);
  if (!isDone_) {
    drawSliders(painter, palette());
  } else if (*isDone_) {
    drawDone(painter, palette());
  } else {
    drawNotDone(painter, palette());
  }
  return true;
}

}  // namespace nimbra::app
