#include "nimbra/Alias.h"

#include <cerrno>

#include "nimbra/NumberedNames.h"
#include "nimbra/platform/Failure.h"
#include "nimbra/platform/FileOperations.h"

namespace nimbra {

std::filesystem::path makeAlias(const std::filesystem::path& target, const std::filesystem::path& folder,
                                platform::FileOperations& files) {
  const auto absolute = std::filesystem::absolute(target).lexically_normal();
  const auto base = lastComponent(absolute) + " alias";
  for (;;) {
    const auto alias = freeName(folder, base, "", files);
    try {
      files.createSymbolicLink(alias, absolute);
      return alias;
    } catch (const platform::Failure& error) {
      if (error.code() != std::errc::file_exists) throw;
    }
  }
}

}  // namespace nimbra
