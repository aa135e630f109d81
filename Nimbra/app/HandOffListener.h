#pragma once
// Hears the extension's notifications (session-bus signals with the notification's
// name) on Qt's event loop, for the life of the app.

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <string_view>

namespace nimbra::app {

class HandOffListener : public QObject {
  Q_OBJECT

 public:
  explicit HandOffListener(QObject* parent = nullptr) : QObject(parent) {}

  // Runs `handler` for every post of `name` by any process. False without a session bus.
  bool listen(std::string_view name, std::function<void()> handler);

 private slots:
  void posted(const QString& name);

 private:
  std::map<QString, std::function<void()>> handlers_;
};

}  // namespace nimbra::app
