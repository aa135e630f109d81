#include "Alerts.h"

#include <QMessageBox>
#include <QPushButton>
#include <system_error>

#include "nimbra/platform/ExtensionSwitch.h"

namespace nimbra::app {

void warn(QWidget* parent, const QString& message, const QString& details, const QString& button) {
  QMessageBox alert(QMessageBox::Warning, "Nimbra", message, QMessageBox::NoButton, parent);
  alert.setInformativeText(details);
  alert.setDefaultButton(alert.addButton(button, QMessageBox::AcceptRole));
  alert.exec();
}

bool confirm(QWidget* parent, const QString& name, const QString& message, const QString& details,
             const QString& proceed, const QString& cancel) {
  QMessageBox ask(QMessageBox::Question, "Nimbra", message, QMessageBox::NoButton, parent);
  ask.setObjectName(name);
  ask.setInformativeText(details);
  auto* yes = ask.addButton(proceed, QMessageBox::AcceptRole);
  ask.addButton(cancel, QMessageBox::RejectRole);
  ask.setDefaultButton(yes);
  ask.exec();
  return ask.clickedButton() == yes;
}

bool setMenusSwitch(platform::ExtensionSwitch& menus, bool on, QWidget* parent) {
  try {
    menus.setOn(on);
    return true;
  } catch (const std::system_error& error) {
    warn(parent, on ? "Couldn't turn on Nimbra" : "Couldn't turn off Nimbra",
         QString("Nimbra couldn't save its switch: %1.").arg(QString::fromStdString(error.code().message())));
    return false;
  }
}

}  // namespace nimbra::app
