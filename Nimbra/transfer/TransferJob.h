#pragma once
// Copies or moves items into a folder off the GUI thread, one item after another,
// with a progress window that can stop the work between items. What was done stays
// done; nothing is ever overwritten.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace nimbra::platform {
class FileOperations;
}

namespace nimbra::app {

struct TransferOutcome {
  std::vector<std::filesystem::path> done;       // where the items now are, in order
  std::optional<std::filesystem::path> intoItself;  // the item the folder lies in; nothing was done
  std::optional<std::string> error;               // the failure that ended the work
};

// Runs the work and returns once it has ended; the window stays responsive meanwhile.
TransferOutcome transfer(const std::vector<std::filesystem::path>& items, const std::filesystem::path& destination,
                         bool move, std::shared_ptr<platform::FileOperations> files, QWidget* parent);

}  // namespace nimbra::app
