#include "Uninstaller.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>

#include "app/Alerts.h"
#include "app/AppServices.h"
#include "nimbra/Uninstall.h"
#include "nimbra/platform/Failure.h"
#include "app/Texts.h"

namespace nimbra::app {

bool runUninstaller(const AppServices& services, QWidget* parent) {
  QMessageBox confirm(QMessageBox::Warning, "Nimbra", Texts::tr("Uninstall Nimbra?"), QMessageBox::NoButton, parent);
  confirm.setObjectName("uninstallConfirm");
  confirm.setInformativeText(Texts::tr("This turns off the Files extension and shows the command that removes Nimbra. "
                                       "Nothing is deleted automatically."));
  auto* proceed = confirm.addButton(Texts::tr("Continue"), QMessageBox::AcceptRole);
  confirm.addButton(Texts::tr("Cancel"), QMessageBox::RejectRole);
  confirm.setDefaultButton(proceed);
  auto* removeSettings = new QCheckBox(Texts::tr("Also remove my saved file types"), &confirm);
  confirm.setCheckBox(removeSettings);
  confirm.exec();
  if (confirm.clickedButton() != proceed) return false;

  try {
    uninstall(*services.extensionSwitch, *services.files, services.sharedContainer, removeSettings->isChecked());
  } catch (const platform::Failure& failure) {
    // Menus left on must not be reported off; nothing was removed either.
    warnSwitchNotSaved(parent, false, failure,
                       Texts::tr("Nothing was removed. Once that is mended, choose Uninstall Nimbra… again."));
    return false;
  }
  // A package is removed by its package manager; dragging its files away would break it.
  warn(parent, Texts::tr("Files extension disabled"),
       Texts::tr("To finish, run “sudo apt remove nimbra”. Nimbra will now quit."), Texts::tr("Quit Nimbra"));
  services.quit();
  return true;
}

}  // namespace nimbra::app
