#include "Uninstaller.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>

#include "app/Alerts.h"
#include "app/AppServices.h"

namespace nimbra::app {

bool runUninstaller(const AppServices& services, QWidget* parent) {
  QMessageBox confirm(QMessageBox::Warning, "Nimbra", "Uninstall Nimbra?", QMessageBox::NoButton, parent);
  confirm.setObjectName("uninstallConfirm");
  confirm.setInformativeText("This turns off the Files extension and shows the command that removes Nimbra. "
                             "Nothing is deleted automatically.");
  auto* proceed = confirm.addButton("Continue", QMessageBox::AcceptRole);
  confirm.addButton("Cancel", QMessageBox::RejectRole);
  confirm.setDefaultButton(proceed);
  auto* removeSettings = new QCheckBox("Also remove my saved file types", &confirm);
  confirm.setCheckBox(removeSettings);
  confirm.exec();
  if (confirm.clickedButton() != proceed) return false;

  // Menus left on must not be reported off; nothing is removed then either.
  if (!setMenusSwitch(*services.extensionSwitch, false, parent)) return false;
  if (removeSettings->isChecked()) {
    try {
      services.files->removeItem(services.sharedContainer);
    } catch (const std::exception&) {
      // Already gone, or not ours to remove: the settings were asked away, not needed.
    }
  }
  // A package is removed by its package manager; dragging its files away would break it.
  warn(parent, "Files extension disabled", "To finish, run “sudo apt remove nimbra”. Nimbra will now quit.", "Quit Nimbra");
  services.quit();
  return true;
}

}  // namespace nimbra::app
