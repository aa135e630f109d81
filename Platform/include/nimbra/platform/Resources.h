#pragma once
// Where a deliverable's resources are, and which languages the user reads.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nimbra::platform {

// The resource folder "share/nimbra/<deliverable>" beside the binary that holds
// `anchor` (installed, or in the build tree), found from that binary's own location.
std::optional<std::filesystem::path> deliverableResources(std::string_view deliverable, const void* anchor);

// The user's languages, most preferred first, e.g. {"de_DE", "de"}; empty for the C locale.
std::vector<std::string> preferredLanguages();

}  // namespace nimbra::platform
