#include "Alerts.h"

#include <QMessageBox>
#include <QPushButton>

#include "ErrorWords.h"
#include "nimbra/platform/ExtensionSwitch.h"
#include "nimbra/platform/Failure.h"

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

void warnSwitchNotSaved(QWidget* parent, bool on, const std::exception& error, const QString& whatNow) {
  warn(parent, on ? "Couldn't turn on Nimbra" : "Couldn't turn off Nimbra",
       "Nimbra couldn't save its switch. " + inWords(error) + (whatNow.isEmpty() ? "" : " " + whatNow));
}

bool setMenusSwitch(platform::ExtensionSwitch& menus, bool on, QWidget* parent) {
  try {
    menus.setOn(on);
    return true;
  } catch (const platform::Failure& failure) {
    warnSwitchNotSaved(parent, on, failure);
    return false;
  }
}

}  // namespace nimbra::app
