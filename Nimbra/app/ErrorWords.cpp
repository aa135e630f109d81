#include "ErrorWords.h"

#include <cerrno>
#include <filesystem>

#include "nimbra/NumberedNames.h"
#include "nimbra/PreferencesModel.h"
#include "nimbra/SendToPerformer.h"
#include "nimbra/SettingsStore.h"
#include "nimbra/platform/Failure.h"
#include "Texts.h"

namespace nimbra::app {
namespace {

using platform::Operation;

QString quoted(const std::filesystem::path& item) {
  //: An item's name, quoted.
  return Texts::tr("“%1”").arg(QString::fromStdString(lastComponent(item)));
}

// What an operation writes: where a copy or move goes, else the item made or changed.
const std::filesystem::path& written(const platform::Failure& failure) {
  return failure.other().empty() ? failure.path() : failure.other();
}

bool writes(Operation operation) { return operation != Operation::read && operation != Operation::launch; }

QString inWords(const platform::Failure& failure) {
  const auto item = quoted(failure.path());
  const auto folder = quoted(written(failure).parent_path());
  switch (failure.code().value()) {
    case ENOSPC:
    case EDQUOT:
      return Texts::tr("There isn't enough space on %1.").arg(folder);
    case EACCES:
    case EPERM:
      if (!writes(failure.operation())) return Texts::tr("You don't have permission to open %1.").arg(item);
      return Texts::tr("You don't have permission to write to %1.").arg(folder);
    case EROFS:
      return Texts::tr("%1 is read-only.").arg(folder);
    case ENOENT:
    case ENOTDIR:
      // A missing item to copy, move or open; else the folder it was to go into.
      if (failure.operation() == Operation::createFile || failure.operation() == Operation::createFolder) {
        return Texts::tr("%1 no longer exists.").arg(quoted(failure.path().parent_path()));
      }
      return Texts::tr("%1 no longer exists.").arg(item);
    case EEXIST:
      return Texts::tr("%1 is already taken in %2.").arg(quoted(written(failure)), folder);
    case ENAMETOOLONG:
      return Texts::tr("The name %1 is too long.").arg(item);
    case EIO:
      return Texts::tr("The disk could not read or write %1.").arg(item);
    case EBUSY:
      return Texts::tr("%1 is in use. Try again in a moment.").arg(item);
    default:
      //: An item's name and what the system said went wrong with it.
      return Texts::tr("%1: %2.").arg(item, QString::fromStdString(failure.code().message()));
  }
}

}  // namespace

QString inWords(const std::exception& error) {
  if (const auto* failure = dynamic_cast<const platform::Failure*>(&error)) return inWords(*failure);
  if (const auto* into = dynamic_cast<const SendToPerformer::IntoItself*>(&error)) {
    return Texts::tr("%1 can't be put inside itself.").arg(quoted(into->item));
  }
  if (const auto* write = dynamic_cast<const SettingsStore::WriteFailed*>(&error)) {
    return Texts::tr("Nimbra couldn't store “%1” in its shared settings.").arg(QString::fromStdString(write->key));
  }
  if (dynamic_cast<const PreferencesModel::NotAnApp*>(&error)) return Texts::tr("That doesn't look like an app.");
  return Texts::tr("Something unexpected went wrong.");
}

}  // namespace nimbra::app
