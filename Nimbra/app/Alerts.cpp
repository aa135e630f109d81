#include "Alerts.h"

#include <QMessageBox>
#include <QPushButton>

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

}  // namespace nimbra::app
