#pragma once
// One app per user session: the first instance owns the bus name "ai.corvane.nimbra";
// a later launch asks it to come forward (its request, if any, is already in the
// shared settings and announced by the extension), handing over the desktop's
// activation token it was launched with, and ends.

#include <QObject>
#include <QString>

namespace nimbra::app {

class SingleInstance : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "ai.corvane.nimbra.App")

 public:
  explicit SingleInstance(QObject* parent = nullptr) : QObject(parent) {}

  // True when this process is the one instance (also without a session bus, where
  // there is no telling). Otherwise the running one has been asked to come forward.
  bool claim();

  // The token the desktop launched this process with: XDG_ACTIVATION_TOKEN, or on
  // GLib before 2.76 (which hands Wayland's token over as the startup id) DESKTOP_STARTUP_ID.
  static QString launchToken();

 public slots:
  Q_SCRIPTABLE void Activate(const QString& activationToken);

 signals:
  // Another launch asked this instance to come forward.
  void activated(const QString& activationToken);
};

}  // namespace nimbra::app
