#include "MenuIcons.h"

#include <QFileInfo>
#include <QImage>
#include <QMimeDatabase>
#include <QPainter>
#include <QStringList>
#include <QUrl>

#include <optional>

#include "nimbra/platform/linux/SymbolIcons.h"

namespace nimbra::icons {
namespace {

constexpr int kPoints = 16;
constexpr int kScale = 2;

QIcon themed(const QString& name) { return name.isEmpty() ? QIcon() : QIcon::fromTheme(name); }

QIcon contentTypeIcon(const std::string& type) {
  const QMimeType mime = QMimeDatabase().mimeTypeForName(QString::fromStdString(type));
  if (!mime.isValid()) return {};
  QIcon icon = themed(mime.iconName());
  return icon.isNull() ? themed(mime.genericIconName()) : icon;
}

// Symbols are single-colour: the theme's symbolic icon (a theme without one falls
// back to the plain name itself), tinted.
QIcon symbolIcon(const std::string& symbol) {
  const auto name = QString::fromUtf8(platform::symbolIconName(symbol));
  return name.isEmpty() ? QIcon() : themed(name + QLatin1String("-symbolic"));
}

// A symbol takes the label colour of its appearance, as text does.
QColor labelColour(bool dark) { return dark ? QColor(255, 255, 255, 217) : QColor(0, 0, 0, 217); }

QPixmap rasterize(const QIcon& source, std::optional<QColor> tint, int points = kPoints) {
  QImage image(points * kScale, points * kScale, QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return {};
  image.fill(Qt::transparent);
  image.setDevicePixelRatio(kScale);
  QPainter painter(&image);
  const QRect frame(0, 0, points, points);
  source.paint(&painter, frame);
  if (tint) {
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(frame, *tint);
  }
  painter.end();
  return QPixmap::fromImage(image);
}

}  // namespace

QIcon MenuIcons::fromEntry(const std::string& icon) {
  const QString text = QString::fromStdString(icon);
  if (text.startsWith(QLatin1Char('/')) || text.startsWith(QLatin1String("file:"))) {
    const QString file = text.startsWith(QLatin1Char('/')) ? text : QUrl(text).toLocalFile();
    return QFileInfo::exists(file) ? QIcon(file) : QIcon();
  }
  // g_icon_to_string writes a themed icon with fallbacks as ". GThemedIcon name1 name2 …".
  QStringList names{text};
  if (text.startsWith(QLatin1String(". GThemedIcon "))) names = text.mid(14).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (const auto& name : names) {
    if (QIcon found = themed(name); !found.isNull()) return found;
  }
  return {};
}

QPixmap MenuIcons::symbol(const std::string& name, int points, bool dark) {
  const QIcon source = symbolIcon(name);
  return source.isNull() ? QPixmap() : rasterize(source, labelColour(dark), points);
}

QPixmap MenuIcons::image(const MenuIcon& icon, bool dark) const {
  const Key key{icon, dark};
  if (const auto it = cache_.find(key); it != cache_.end()) return it->second;
  return cache_.emplace(key, draw(icon, dark)).first->second;
}

QPixmap MenuIcons::draw(const MenuIcon& icon, bool dark) const {
  QIcon source;
  std::optional<QColor> tint;
  if (const auto* type = icon.as<MenuIcon::ContentType>()) source = contentTypeIcon(type->identifier);
  if (const auto* app = icon.as<MenuIcon::App>()) {
    if (const auto location = apps_->applicationURL(app->bundleID)) source = fromEntry(location->icon);
  }
  if (const auto* symbol = icon.as<MenuIcon::Symbol>()) {
    source = symbolIcon(symbol->name);
    tint = labelColour(dark);
  }
  if (icon.as<MenuIcon::Folder>()) source = themed(QStringLiteral("folder"));
  if (source.isNull()) return {};
  return rasterize(source, tint);
}

}  // namespace nimbra::icons
