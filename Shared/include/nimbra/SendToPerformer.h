#pragma once
// Copies or moves items into one folder without overwriting anything: an item whose
// name is taken gets the next free numbered name.

#include <exception>
#include <filesystem>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <variant>
#include <vector>

#include "nimbra/platform/Failure.h"

namespace nimbra::platform { class FileOperations; }

namespace nimbra::SendToPerformer {

// The destination lies inside `item` (or is `item`), exactly as it was passed in.
struct IntoItself : std::exception {
  std::filesystem::path item;

  explicit IntoItself(std::filesystem::path i);
  const char* what() const noexcept override { return description_.c_str(); }
  bool operator==(const IntoItself& other) const { return item == other.item; }

 private:
  std::string description_;
};

// Copies (or moves) every item into `destination` and returns where each one now
// lives, in the order of `items`. Throws IntoItself before touching anything when the
// destination lies inside an item. Otherwise the first failure of the file system is
// thrown at once: earlier items stay done, later ones are not attempted. Moving an
// item into the folder it is already in leaves it alone and returns its own location.
std::vector<std::filesystem::path> perform(const std::vector<std::filesystem::path>& items,
                                           const std::filesystem::path& destination, bool move,
                                           platform::FileOperations& files);

// What a transfer that the user can stop came to.
struct TransferOutcome {
  std::vector<std::filesystem::path> done;  // where the items handled now are, in order
  bool cancelled = false;                   // stopped between two items at the user's wish
  // What stopped it: the destination lies inside an item (then nothing was done), or
  // the file system failed on the item after the last one done.
  std::optional<std::variant<IntoItself, platform::Failure>> error;
};

// perform, for long work: `progress` hears of each item (its position and the item)
// before it is handled, and the work stops between items once `cancel` is requested.
// What was done stays done; nothing after a failure is attempted.
TransferOutcome transfer(const std::vector<std::filesystem::path>& items, const std::filesystem::path& destination,
                         bool move, platform::FileOperations& files, std::stop_token cancel,
                         const std::function<void(std::size_t index, const std::filesystem::path& item)>& progress);

}  // namespace nimbra::SendToPerformer
