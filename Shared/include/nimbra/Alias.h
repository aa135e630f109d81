#pragma once
// Aliases on Linux are symbolic links to the target's absolute path, named after the
// target: "Report.pdf alias", then "Report.pdf alias 2", and so on.

#include <filesystem>

namespace nimbra {

namespace platform { class FileOperations; }

// Makes an alias to `target` in `folder` and returns where it is. The name is taken
// exclusively: one taken by anyone meanwhile moves on to the next number, nothing
// is ever replaced. Throws the file system's error.
std::filesystem::path makeAlias(const std::filesystem::path& target, const std::filesystem::path& folder,
                                platform::FileOperations& files);

}  // namespace nimbra
