#include "TransferPicker.h"

#include "TransferDialog.h"
#include "TransferJob.h"
#include "app/Alerts.h"
#include "app/AppServices.h"
#include "nimbra/NumberedNames.h"

namespace nimbra::app {

void runTransferPicker(const AppServices& services, QWidget* parent) {
  auto store = services.openStore();
  if (!store) return;
  const auto items = store->pendingTransferItems();
  if (items.empty()) return;
  // Cleared before asking: a request is served once, whatever the user answers.
  try {
    store->setPendingTransferItems({});
  } catch (const SettingsStore::WriteFailed&) {
  }

  TransferDialog dialog(items, parent);
  if (dialog.exec() != QDialog::Accepted) return;
  const auto folder = dialog.folder();
  if (!folder) return;

  const bool move = dialog.move();
  const auto outcome = transfer(items, *folder, move, services.files, parent);
  if (outcome.intoItself) {
    return warn(parent, "Can't put “" + QString::fromStdString(lastComponent(*outcome.intoItself)) + "” inside itself",
                "Choose a folder outside it.");
  }
  if (outcome.error) {
    return warn(parent, move ? "Couldn't move the items" : "Couldn't copy the items", QString::fromStdString(*outcome.error));
  }
  services.reveal(outcome.done);
}

}  // namespace nimbra::app
