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

}  // namespace nimbra::app
