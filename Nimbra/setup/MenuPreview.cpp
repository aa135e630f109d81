#include "MenuPreview.h"

#include <QEasingCurve>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <map>
#include <optional>
#include <span>
#include <tuple>
#include <vector>

#include "SetupLook.h"
#include "app/Texts.h"

namespace nimbra::app {
namespace {

using Submenu = MenuPreview::Submenu;

constexpr qreal kRowHeight = 22;
constexpr qreal kPanelInset = 6;  // above the first row and below the last
constexpr qreal kDividerHeight = 9;
constexpr qreal kAreaWidth = 344, kAreaHeight = 230;
constexpr qreal kCaptionSpacing = 18, kCaptionWidth = 240;
// The main panel is 150 wide, more for a language's long labels, up to 180; the
// submenu overlaps it by 6 and fills the rest of the area.
constexpr qreal kMainWidth = 150, kMaxMainWidth = 180, kSubmenuOverlap = 6;
constexpr qreal kMainTextInsets = 44;  // the row's and the text's insets, and the chevron
constexpr qreal kShadowRadius = 14, kShadowOffset = 8, kShadowOpacity = 0.18;

struct MainRow {
  const char* label;  // none: a divider
  std::optional<Submenu> opens = std::nullopt;
};

// The labels are translated where they are drawn.
const MainRow kOffRows[] = {{QT_TRANSLATE_NOOP("Nimbra", "New Folder")}, {QT_TRANSLATE_NOOP("Nimbra", "Properties")},
                            {nullptr},
                            {QT_TRANSLATE_NOOP("Nimbra", "Copy")},
                            {QT_TRANSLATE_NOOP("Nimbra", "Paste")},
                            {nullptr},
                            {QT_TRANSLATE_NOOP("Nimbra", "Select All")}};
const MainRow kOnRows[] = {{QT_TRANSLATE_NOOP("Nimbra", "Open")},
                           {QT_TRANSLATE_NOOP("Nimbra", "Properties")},
                           {nullptr},
                           {QT_TRANSLATE_NOOP("Nimbra", "New"), Submenu::newMenu},
                           {QT_TRANSLATE_NOOP("Nimbra", "Send to"), Submenu::sendTo},
                           {QT_TRANSLATE_NOOP("Nimbra", "Open Folder with"), Submenu::openWith},
                           {nullptr},
                           {QT_TRANSLATE_NOOP("Nimbra", "Copy")}};

enum class Glyph { folder, text, richText, table, code, zipper, desktop, dock, hammer, terminal };

struct SubmenuRow {
  Glyph glyph;
  const char* label;
};

const SubmenuRow kNewRows[] = {{Glyph::folder, QT_TRANSLATE_NOOP("Nimbra", "Folder")},
                               {Glyph::text, QT_TRANSLATE_NOOP("Nimbra", "Text Document")},
                               {Glyph::richText, QT_TRANSLATE_NOOP("Nimbra", "Microsoft Word Document")},
                               {Glyph::table, QT_TRANSLATE_NOOP("Nimbra", "Microsoft Excel Worksheet")},
                               {Glyph::code, QT_TRANSLATE_NOOP("Nimbra", "HTML Document")}};
const SubmenuRow kSendToRows[] = {{Glyph::zipper, QT_TRANSLATE_NOOP("Nimbra", "Compressed (zipped) folder")},
                                  {Glyph::desktop, QT_TRANSLATE_NOOP("Nimbra", "Desktop")},
                                  {Glyph::dock, QT_TRANSLATE_NOOP("Nimbra", "Desktop (create shortcut)")},
                                  {Glyph::folder, QT_TRANSLATE_NOOP("Nimbra", "Another Folder…")}};
const SubmenuRow kOpenWithRows[] = {{Glyph::code, QT_TRANSLATE_NOOP("Nimbra", "Visual Studio Code")},
                                    {Glyph::hammer, QT_TRANSLATE_NOOP("Nimbra", "Rider")},
                                    {Glyph::terminal, QT_TRANSLATE_NOOP("Nimbra", "Terminal")}};

std::span<const SubmenuRow> rowsOf(Submenu submenu) {
  switch (submenu) {
    case Submenu::newMenu:
      return kNewRows;
    case Submenu::sendTo:
      return kSendToRows;
    case Submenu::openWith:
      return kOpenWithRows;
  }
  return {};
}

// The parent row's index, so that the submenu's first row lines up with it.
int parentRow(Submenu submenu) { return 2 + static_cast<int>(submenu); }

qreal panelHeight(std::span<const MainRow> rows) {
  qreal height = 2 * kPanelInset;
  for (const auto& row : rows) height += row.label ? kRowHeight : kDividerHeight;
  return height;
}

// Blurs an alpha mask in place: three box passes each way come close to a Gaussian.
void blurLine(uchar* pixels, int stride, int count, int radius, std::vector<int>& copy) {
  for (int i = 0; i < count; ++i) copy[i] = pixels[i * stride];
  int sum = 0;
  for (int i = 0; i <= std::min(radius, count - 1); ++i) sum += copy[i];
  for (int i = 0; i < count; ++i) {
    pixels[i * stride] = static_cast<uchar>(sum / (2 * radius + 1));
    if (i - radius >= 0) sum -= copy[i - radius];
    if (i + radius + 1 < count) sum += copy[i + radius + 1];
  }
}

void blur(QImage& mask, int radius) {
  std::vector<int> copy(std::max(mask.width(), mask.height()));
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < mask.height(); ++y) blurLine(mask.scanLine(y), 1, mask.width(), radius, copy);
    for (int x = 0; x < mask.width(); ++x) blurLine(mask.bits() + x, mask.bytesPerLine(), mask.height(), radius, copy);
  }
}

// A panel's soft shadow, made once for each size.
const QImage& shadowFor(QSizeF size, qreal ratio) {
  static std::map<std::tuple<int, int, int>, QImage> made;
  const auto key = std::make_tuple(qRound(size.width()), qRound(size.height()), qRound(ratio * 100));
  auto& image = made[key];
  if (image.isNull()) {
    const qreal margin = 2 * kShadowRadius;
    image =
        QImage((QSizeF(size.width() + 2 * margin, size.height() + 2 * margin) * ratio).toSize(), QImage::Format_Alpha8);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(QRectF(QPointF(margin, margin), size), 8, 8);
    painter.end();
    // Box passes of this width spread like a Gaussian of half the shadow's radius.
    blur(image, qRound(kShadowRadius / 2 * ratio));
  }
  return image;
}

void drawPanel(QPainter& painter, const QRectF& rect, const QPalette& palette) {
  const qreal margin = 2 * kShadowRadius;
  painter.save();
  painter.setOpacity(painter.opacity() * kShadowOpacity);
  painter.drawImage(rect.topLeft() + QPointF(-margin, -margin + kShadowOffset),
                    shadowFor(rect.size(), painter.device()->devicePixelRatioF()));
  painter.restore();
  painter.setPen(Qt::NoPen);
  painter.setBrush(look::menuBackground.in(palette));
  painter.drawRoundedRect(rect, 8, 8);
  painter.setPen(QPen(look::menuBorder.in(palette), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 7.5, 7.5);
}

void drawChevron(QPainter& painter, QPointF centre, QColor color) {
  painter.setPen(QPen(color, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  const QPointF points[] = {centre + QPointF(-1.8, -3.6), centre + QPointF(1.8, 0), centre + QPointF(-1.8, 3.6)};
  painter.drawPolyline(points, 3);
}

// A page with a folded corner, 10 wide in a 14-point box.
QPainterPath page() {
  QPainterPath path;
  path.moveTo(2.5, 1);
  path.lineTo(8.5, 1);
  path.lineTo(11.5, 4);
  path.lineTo(11.5, 13);
  path.lineTo(2.5, 13);
  path.closeSubpath();
  path.moveTo(8.5, 1);
  path.lineTo(8.5, 4);
  path.lineTo(11.5, 4);
  return path;
}

void drawGlyph(QPainter& painter, Glyph glyph, QPointF topLeft, QColor color) {
  painter.save();
  painter.translate(topLeft);
  painter.setPen(QPen(color, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  const auto lines = [&](std::initializer_list<QLineF> each) {
    for (const auto& line : each) painter.drawLine(line);
  };
  switch (glyph) {
    case Glyph::folder: {
      QPainterPath path;
      path.moveTo(1, 3);
      path.lineTo(5.5, 3);
      path.lineTo(7, 4.5);
      path.lineTo(13, 4.5);
      path.lineTo(13, 12);
      path.lineTo(1, 12);
      path.closeSubpath();
      painter.drawPath(path);
      break;
    }
    case Glyph::text:
      painter.drawPath(page());
      lines({{4.5, 7, 9.5, 7}, {4.5, 9, 9.5, 9}, {4.5, 11, 8, 11}});
      break;
    case Glyph::richText:
      painter.drawPath(page());
      painter.setBrush(color);
      painter.drawRect(QRectF(4.5, 6, 2.5, 2.5));
      lines({{8, 6.5, 9.5, 6.5}, {8, 8, 9.5, 8}, {4.5, 10.5, 9.5, 10.5}});
      break;
    case Glyph::table:
      painter.drawRoundedRect(QRectF(1, 2.5, 12, 9), 1.5, 1.5);
      lines({{1, 5.5, 13, 5.5}, {1, 8.5, 13, 8.5}, {5, 2.5, 5, 11.5}, {9, 2.5, 9, 11.5}});
      break;
    case Glyph::code:
      lines({{4, 4, 1, 7}, {1, 7, 4, 10}, {10, 4, 13, 7}, {13, 7, 10, 10}, {8, 3.5, 6, 10.5}});
      break;
    case Glyph::zipper:
      painter.drawPath(page());
      lines({{6, 2.5, 7.5, 2.5}, {6, 4.5, 7.5, 4.5}, {6, 6.5, 7.5, 6.5}});
      painter.drawRect(QRectF(5.75, 8, 2, 2.5));
      break;
    case Glyph::desktop:
      painter.drawRoundedRect(QRectF(1, 2, 12, 8), 1.5, 1.5);
      lines({{7, 10, 7, 12.5}, {4.5, 12.5, 9.5, 12.5}});
      break;
    case Glyph::dock:
      painter.drawRoundedRect(QRectF(1, 2, 12, 10), 1.5, 1.5);
      lines({{1, 4, 13, 4}});
      painter.drawRoundedRect(QRectF(4, 9, 6, 1.5), 0.75, 0.75);
      break;
    case Glyph::hammer:
      lines({{3, 12, 8, 7}});
      painter.translate(9, 5);
      painter.rotate(45);
      painter.drawRoundedRect(QRectF(-4, -1.5, 8, 3), 0.8, 0.8);
      break;
    case Glyph::terminal:
      painter.drawRoundedRect(QRectF(1, 2, 12, 10), 2, 2);
      lines({{3.5, 5, 5.5, 7}, {5.5, 7, 3.5, 9}, {7, 9, 10, 9}});
      break;
  }
  painter.restore();
}

template <class Rows>
qreal widestLabel(const QFont& font, const Rows& rows) {
  qreal widest = 0;
  for (const auto& row : rows) {
    if (row.label) widest = std::max(widest, QFontMetricsF(font).horizontalAdvance(Texts::tr(row.label)));
  }
  return widest;
}

// Wide fonts and long words get smaller until the panel's longest label fits, all
// rows alike.
template <class Rows>
QFont fitted(QFont font, const Rows& rows, qreal width) {
  const qreal widest = widestLabel(font, rows);
  if (widest > width) font.setPixelSize(std::max(9, static_cast<int>(font.pixelSize() * width / widest)));
  return font;
}

QColor mixed(QColor from, QColor to, qreal amount) {
  return QColor::fromRgbF(
      from.redF() + (to.redF() - from.redF()) * amount, from.greenF() + (to.greenF() - from.greenF()) * amount,
      from.blueF() + (to.blueF() - from.blueF()) * amount, from.alphaF() + (to.alphaF() - from.alphaF()) * amount);
}

}  // namespace

MenuPreview::MenuPreview(std::function<bool()> reducesMotion, QString fileManager, QWidget* parent,
                         std::chrono::milliseconds dwell)
    : QWidget(parent), reducesMotion_(std::move(reducesMotion)), fileManager_(std::move(fileManager)) {
  setFixedWidth(360);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  dwell_.setInterval(dwell);
  connect(&dwell_, &QTimer::timeout, this, &MenuPreview::advance);
  fade_.setStartValue(0.0);
  fade_.setEndValue(1.0);
  fade_.setDuration(200);
  fade_.setEasingCurve(QEasingCurve::InOutQuad);
  connect(&fade_, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
}

void MenuPreview::setOn(bool on) {
  if (on == on_) return;
  on_ = on;
  restart();
  update();
}

// Runs only while shown, on, and the desktop allows motion; otherwise the submenu stays put.
void MenuPreview::restart() {
  dwell_.stop();
  if (on_ && isVisible() && !reducesMotion_()) dwell_.start();
}

void MenuPreview::advance() {
  previous_ = shown_;
  shown_ = static_cast<Submenu>((static_cast<int>(shown_) + 1) % 3);
  fade_.stop();
  fade_.start();
  emit shownChanged(shown_);
}

void MenuPreview::showEvent(QShowEvent*) { restart(); }

void MenuPreview::hideEvent(QHideEvent*) { dwell_.stop(); }

void MenuPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPalette& colors = palette();
  painter.fillRect(rect(), look::paneBackground.in(colors));

  const QString caption =
      on_ ? Texts::tr("Right-click in any %1 window to get these.").arg(fileManager_)
          : look::naming(
                //: %1 is the file manager's name, %2 the same in the English possessive ("Files'", "Nemo's"); a translation may use %1 only.
                Texts::tr("%2 menu now. Turn on Nimbra to add New, Send to and Open Folder with."), fileManager_);
  const QFont captionFont = look::font(look::Style::caption, font());
  const qreal captionHeight =
      QFontMetricsF(captionFont).boundingRect(QRectF(0, 0, kCaptionWidth, 1000), Qt::TextWordWrap, caption).height();
  const qreal top = std::max(0.0, (height() - (kAreaHeight + kCaptionSpacing + captionHeight)) / 2);
  const QPointF area((width() - kAreaWidth) / 2, top);

  const std::span<const MainRow> mainRows = on_ ? std::span<const MainRow>(kOnRows) : kOffRows;
  const QFont menuFont = look::font(look::Style::menu, font());
  const qreal mainWidth = std::clamp(widestLabel(menuFont, kOnRows) + kMainTextInsets, kMainWidth, kMaxMainWidth);
  const QRectF mainPanel(area, QSizeF(mainWidth, panelHeight(mainRows)));
  const qreal submenuLeft = mainWidth - kSubmenuOverlap, submenuWidth = kAreaWidth - submenuLeft;
  const qreal fade = fade_.state() == QAbstractAnimation::Running ? fade_.currentValue().toReal() : 1.0;
  // How strongly each submenu shows while one fades into the next.
  const auto presence = [&](Submenu submenu) {
    if (submenu == shown_) return previous_ == shown_ ? 1.0 : fade;
    return submenu == previous_ ? 1.0 - fade : 0.0;
  };

  painter.save();
  if (!on_) painter.setOpacity(0.75);
  drawPanel(painter, mainPanel, colors);
  painter.setFont(fitted(menuFont, mainRows, mainWidth - kMainTextInsets));
  qreal y = mainPanel.top() + kPanelInset;
  for (const auto& row : mainRows) {
    if (!row.label) {
      painter.fillRect(QRectF(mainPanel.left() + 10, y + 4, mainWidth - 20, 1), look::menuBorder.in(colors));
      y += kDividerHeight;
      continue;
    }
    const QRectF rowRect(mainPanel.left() + 5, y, mainWidth - 10, kRowHeight);
    const qreal highlight = row.opens && on_ ? presence(*row.opens) : 0.0;
    if (highlight > 0) {
      QColor fill = look::selection.in(colors);
      fill.setAlphaF(static_cast<float>(highlight));
      painter.setPen(Qt::NoPen);
      painter.setBrush(fill);
      painter.drawRoundedRect(rowRect, 4, 4);
    }
    const QColor text = mixed(look::primary(colors), Qt::white, highlight);
    painter.setPen(text);
    painter.drawText(rowRect.adjusted(10, 0, -10, 0), Qt::AlignVCenter | Qt::AlignLeft, Texts::tr(row.label));
    if (row.opens) drawChevron(painter, QPointF(rowRect.right() - 12, rowRect.center().y()), text);
    y += kRowHeight;
  }
  painter.restore();

  if (on_) {
    for (const auto submenu : {Submenu::newMenu, Submenu::sendTo, Submenu::openWith}) {
      const qreal opacity = presence(submenu);
      if (opacity <= 0) continue;
      const auto rows = rowsOf(submenu);
      painter.setFont(fitted(look::font(look::Style::submenu, font()), rows, submenuWidth - 42));
      const QRectF panel(area + QPointF(submenuLeft, parentRow(submenu) * kRowHeight + 9),
                         QSizeF(submenuWidth, 2 * kPanelInset + rows.size() * kRowHeight));
      painter.save();
      painter.setOpacity(opacity);
      drawPanel(painter, panel, colors);
      qreal rowTop = panel.top() + kPanelInset;
      for (const auto& row : rows) {
        drawGlyph(painter, row.glyph, QPointF(panel.left() + 10, rowTop + (kRowHeight - 14) / 2),
                  look::selection.in(colors));
        painter.setPen(look::primary(colors));
        painter.drawText(QRectF(panel.left() + 32, rowTop, submenuWidth - 42, kRowHeight),
                         Qt::AlignVCenter | Qt::AlignLeft, Texts::tr(row.label));
        rowTop += kRowHeight;
      }
      painter.restore();
    }
  }

  painter.setFont(captionFont);
  painter.setPen(look::secondary(colors));
  painter.drawText(
      QRectF((width() - kCaptionWidth) / 2, top + kAreaHeight + kCaptionSpacing, kCaptionWidth, captionHeight + 1),
      Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop, caption);
}

}  // namespace nimbra::app
