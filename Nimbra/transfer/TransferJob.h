#pragma once
// Runs a transfer off the GUI thread, with a progress window for long work whose
// Cancel stops it between items. The rules are the core's.

#include <filesystem>
#include <vector>

#include "nimbra/SendToPerformer.h"

class QWidget;

namespace nimbra::app {

// Returns once the work has ended; the window stays responsive meanwhile.
SendToPerformer::TransferOutcome transfer(const std::vector<std::filesystem::path>& items,
                                          const std::filesystem::path& destination, bool move,
                                          platform::FileOperations& files, QWidget* parent);

}  // namespace nimbra::app
