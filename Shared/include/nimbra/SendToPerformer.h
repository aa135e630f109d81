#pragma once
// Copies or moves items into one folder without overwriting anything: an item whose
// name is taken gets the next free numbered name.

#include <exception>
#include <filesystem>
#include <string>
#include <vector>

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

// Throws IntoItself when `destination` lies inside one of the items (or is one).
void checkDestination(const std::vector<std::filesystem::path>& items, const std::filesystem::path& destination,
                      const platform::FileOperations& files);

// Copies (or moves) every item into `destination` and returns where each one now
// lives, in the order of `items`. Throws IntoItself before touching anything when the
// destination lies inside an item. Otherwise the first failure of the file system is
// thrown at once: earlier items stay done, later ones are not attempted. Moving an
// item into the folder it is already in leaves it alone and returns its own location.
std::vector<std::filesystem::path> perform(const std::vector<std::filesystem::path>& items,
                                           const std::filesystem::path& destination, bool move,
                                           platform::FileOperations& files);

}  // namespace nimbra::SendToPerformer
