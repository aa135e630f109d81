#include "TransferPicker.h"

#include "TransferDialog.h"
#include "TransferJob.h"
#include "app/Alerts.h"
#include "app/AppServices.h"
#include "app/BringForward.h"
#include "app/ErrorWords.h"
#include "nimbra/NumberedNames.h"

namespace nimbra::app {

void runTransferPicker(const std::vector<std::filesystem::path>& items, const AppServices& services, QWidget* parent) {
  TransferDialog dialog(items, parent);
  if (execInFront(dialog) != QDialog::Accepted) return;
  const auto folder = dialog.folder();
  if (!folder) return;

  const bool move = dialog.move();
  const auto outcome = transfer(items, *folder, move, *services.files, parent);
  if (outcome.error) {
    if (const auto* into = std::get_if<SendToPerformer::IntoItself>(&*outcome.error)) {
      return warn(parent, "Can't put “" + QString::fromStdString(lastComponent(into->item)) + "” inside itself",
                  "Choose a folder outside it.");
    }
    return warn(parent, move ? "Couldn't move the items" : "Couldn't copy the items",
                inWords(std::get<platform::Failure>(*outcome.error)));
  }
  // Also what was done before the user stopped the rest.
  if (!outcome.done.empty()) services.fileManager->reveal(outcome.done);
}

}  // namespace nimbra::app
