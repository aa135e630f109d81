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

}  // namespace

IntoItself::IntoItself(fs::path i) : item(std::move(i)), description_("destination lies inside " + item.string()) {}

void checkDestination(const std::vector<fs::path>& items, const fs::path& destination,
                      const platform::FileOperations& files) {
  const auto target = files.canonicalPath(destination);
  for (const auto& item : items) {
    if (isInside(target, files.canonicalPath(item))) throw IntoItself(item);
  }
}

std::vector<fs::path> perform(const std::vector<fs::path>& items, const fs::path& destination, bool move,
                              platform::FileOperations& files) {
  if (items.empty()) return {};
  checkDestination(items, destination, files);
  const auto target = files.canonicalPath(destination);
  std::vector<fs::path> result;
  result.reserve(items.size());
  for (const auto& item : items) {
    if (move && files.canonicalPath(parentOf(item)) == target) {
      result.push_back(item);
      continue;
    }
    auto to = targetFor(item, destination, files);
    if (move) {
      files.moveItem(item, to);
    } else {
      files.copyItem(item, to);
    }
    result.push_back(std::move(to));
  }
  return result;
}

}  // namespace nimbra::SendToPerformer
