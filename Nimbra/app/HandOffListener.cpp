#include "HandOffListener.h"

#include <QDBusConnection>

#include "nimbra/platform/linux/BusNames.h"

namespace nimbra::app {

bool HandOffListener::listen(std::string_view name, std::function<void()> handler) {
  const auto text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  handlers_[text] = std::move(handler);
  // Matching on the first argument lets the bus send us only this name's posts.
  return QDBusConnection::sessionBus().connect(QString(), platform::kNotificationsPath, platform::kNotificationsInterface,
                                               platform::kNotificationsMember, {text}, QString(), this,
                                               SLOT(posted(QString)));
}

void HandOffListener::posted(const QString& name) {
  if (const auto it = handlers_.find(name); it != handlers_.end()) it->second();
}

}  // namespace nimbra::app
