#include "nimbra/SendToPerformer.h"

#include "nimbra/platform/PathNames.h"

#include "nimbra/NumberedNames.h"
#include "nimbra/platform/FileOperations.h"

namespace nimbra::SendToPerformer {
namespace {

namespace fs = std::filesystem;

using platform::isInside;

fs::path parentOf(const fs::path& item) {
  const auto path = platform::standardised(item);
  return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

fs::path targetFor(const fs::path& item, const fs::path& destination, const platform::FileOperations& files) {
  const auto name = lastComponent(item);
  // A plain folder's name is never split at a dot ("Build 1.2" stays whole).
  if (files.isPlainFolder(item)) return freeName(destination, name, "", files);
  const auto parts = splitExtension(name);
  return freeName(destination, withoutExtensionSuffix(parts.base, parts.ext), parts.ext, files);
}

// Throws IntoItself when the destination (`target`, canonical) lies inside one of the items (or is one).
void checkDestination(const std::vector<fs::path>& items, const fs::path& target, const platform::FileOperations& files) {
  for (const auto& item : items) {
    if (isInside(target, files.canonicalPath(item))) throw IntoItself(item);
  }
}

// Copies or moves one item; where it now lives. `target` is the destination, canonical.
fs::path send(const fs::path& item, const fs::path& destination, const fs::path& target, bool move,
              platform::FileOperations& files) {
  // Moving into the folder it is in already leaves it alone; a copy there gets a numbered name.
  if (move && files.canonicalPath(parentOf(item)) == target) return item;
  auto to = targetFor(item, destination, files);
  if (move) {
    files.moveItem(item, to);
  } else {
    files.copyItem(item, to);
  }
  return to;
}

}  // namespace

IntoItself::IntoItself(fs::path i) : item(std::move(i)), description_("destination lies inside " + item.string()) {}

std::vector<fs::path> perform(const std::vector<fs::path>& items, const fs::path& destination, bool move,
                              platform::FileOperations& files) {
  if (items.empty()) return {};
  const auto target = files.canonicalPath(destination);
  checkDestination(items, target, files);
  std::vector<fs::path> result;
  result.reserve(items.size());
  for (const auto& item : items) result.push_back(send(item, destination, target, move, files));
  return result;
}

TransferOutcome transfer(const std::vector<fs::path>& items, const fs::path& destination, bool move,
                         platform::FileOperations& files, std::stop_token cancel,
                         const std::function<void(std::size_t index, const fs::path& item)>& progress) {
  TransferOutcome outcome;
  const auto target = files.canonicalPath(destination);
  try {
    checkDestination(items, target, files);
  } catch (const IntoItself& error) {
    outcome.error = error;
    return outcome;
  }
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (cancel.stop_requested()) {
      outcome.cancelled = true;
      break;
    }
    if (progress) progress(i, items[i]);
    try {
      outcome.done.push_back(send(items[i], destination, target, move, files));
    } catch (const platform::Failure& failure) {
      outcome.error = failure;
      break;
    }
  }
  return outcome;
}

}  // namespace nimbra::SendToPerformer
