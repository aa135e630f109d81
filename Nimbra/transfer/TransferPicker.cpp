#include "TransferPicker.h"

#include "TransferDialog.h"
#include "TransferJob.h"
#include "app/Alerts.h"
#include "app/AppServices.h"
#include "app/BringForward.h"
#include "app/ErrorWords.h"
#include "nimbra/NumberedNames.h"
#include "app/Texts.h"

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
      return warn(parent, Texts::tr("Can't put “%1” inside itself").arg(QString::fromStdString(lastComponent(into->item))),
                  Texts::tr("Choose a folder outside it."));
    }
    return warn(parent, move ? Texts::tr("Couldn't move the items") : Texts::tr("Couldn't copy the items"),
                inWords(std::get<platform::Failure>(*outcome.error)));
  }
  // Also what was done before the user stopped the rest.
  if (!outcome.done.empty()) services.fileManager->reveal(outcome.done);
}

}  // namespace nimbra::app
