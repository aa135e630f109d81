#include "Alerts.h"

#include <QMessageBox>
#include <QPushButton>

#include "ErrorWords.h"
#include "nimbra/platform/ExtensionSwitch.h"
#include "nimbra/platform/Failure.h"
#include "Texts.h"

namespace nimbra::app {

void warn(QWidget* parent, const QString& message, const QString& details, const QString& button) {
  QMessageBox alert(QMessageBox::Warning, "Nimbra", message, QMessageBox::NoButton, parent);
  alert.setInformativeText(details);
  // Without a word of the caller's, Qt's own OK, in Qt's own translation.
  alert.setDefaultButton(button.isEmpty() ? alert.addButton(QMessageBox::Ok) : alert.addButton(button, QMessageBox::AcceptRole));
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
  const QString why = Texts::tr("Nimbra couldn't save its switch. %1").arg(inWords(error));
  warn(parent, on ? Texts::tr("Couldn't turn on Nimbra") : Texts::tr("Couldn't turn off Nimbra"),
       whatNow.isEmpty() ? why : why + ' ' + whatNow);
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
