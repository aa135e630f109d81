#include "ErrorWords.h"

#include <cerrno>
#include <filesystem>

#include "nimbra/NumberedNames.h"
#include "nimbra/PreferencesModel.h"
#include "nimbra/SendToPerformer.h"
#include "nimbra/SettingsStore.h"
#include "nimbra/platform/Failure.h"

namespace nimbra::app {
namespace {

using platform::Operation;

QString quoted(const std::filesystem::path& item) {
  return "“" + QString::fromStdString(lastComponent(item)) + "”";
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
      return QString("There isn't enough space on %1.").arg(folder);
    case EACCES:
    case EPERM:
      if (!writes(failure.operation())) return QString("You don't have permission to open %1.").arg(item);
      return QString("You don't have permission to write to %1.").arg(folder);
    case EROFS:
      return QString("%1 is read-only.").arg(folder);
    case ENOENT:
    case ENOTDIR:
      // A missing item to copy, move or open; else the folder it was to go into.
      if (failure.operation() == Operation::createFile || failure.operation() == Operation::createFolder) {
        return QString("%1 no longer exists.").arg(quoted(failure.path().parent_path()));
      }
      return QString("%1 no longer exists.").arg(item);
    case EEXIST:
      return QString("%1 is already taken in %2.").arg(quoted(written(failure)), folder);
    case ENAMETOOLONG:
      return QString("The name %1 is too long.").arg(item);
    case EIO:
      return QString("The disk could not read or write %1.").arg(item);
    case EBUSY:
      return QString("%1 is in use. Try again in a moment.").arg(item);
    default:
      return QString("%1: %2.").arg(item, QString::fromStdString(failure.code().message()));
  }
}

}  // namespace

QString inWords(const std::exception& error) {
  if (const auto* failure = dynamic_cast<const platform::Failure*>(&error)) return inWords(*failure);
  if (const auto* into = dynamic_cast<const SendToPerformer::IntoItself*>(&error)) {
    return QString("%1 can't be put inside itself.").arg(quoted(into->item));
  }
  if (const auto* write = dynamic_cast<const SettingsStore::WriteFailed*>(&error)) {
    return QString("Nimbra couldn't store “%1” in its shared settings.").arg(QString::fromStdString(write->key));
  }
  if (dynamic_cast<const PreferencesModel::NotAnApp*>(&error)) return "That doesn't look like an app.";
  return "Something unexpected went wrong.";
}

}  // namespace nimbra::app
