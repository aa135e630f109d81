#include "nimbra/platform/Resources.h"

#include <dlfcn.h>

#include <cerrno>
#include <cstdlib>

namespace nimbra::platform {

std::optional<std::filesystem::path> deliverableResources(std::string_view deliverable, const void* anchor) {
  Dl_info info{};
  if (dladdr(anchor, &info) == 0 || info.dli_fname == nullptr) return std::nullopt;
  // For the main program glibc gives argv[0], a bare name when started from PATH.
  const bool mainProgram = std::string_view(info.dli_fname) == program_invocation_name;
  std::error_code ec;
  auto binary = std::filesystem::canonical(mainProgram ? "/proc/self/exe" : info.dli_fname, ec);
  if (ec) return std::nullopt;
  // bin/x -> ../share, lib/x.so -> ../share, lib/<arch>/nautilus/extensions-4/x.so -> ../../../../share
  for (auto dir = binary.parent_path(); dir.has_relative_path(); dir = dir.parent_path()) {
    auto candidate = dir / "share" / "nimbra" / deliverable;
    if (std::filesystem::is_directory(candidate, ec)) return candidate;
  }
  return std::nullopt;
}

std::vector<std::string> preferredLanguages() {
  auto env = [](const char* name) -> std::string_view {
    const char* v = std::getenv(name);
    return v ? v : "";
  };
  std::string_view locale = env("LC_ALL");
  if (locale.empty()) locale = env("LC_MESSAGES");
  if (locale.empty()) locale = env("LANG");
  if (locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C.")) return {};

  // LANGUAGE is a colon-separated priority list that GNU honours for any non-C locale.
  std::vector<std::string> result;
  auto add = [&](std::string_view tag) {
    tag = tag.substr(0, tag.find_first_of(".@"));
    if (tag.empty()) return;
    result.emplace_back(tag);
    if (auto underscore = tag.find('_'); underscore != std::string_view::npos) result.emplace_back(tag.substr(0, underscore));
  };
  std::string_view list = env("LANGUAGE");
  while (!list.empty()) {
    const auto colon = list.find(':');
    add(list.substr(0, colon));
    list = colon == std::string_view::npos ? std::string_view{} : list.substr(colon + 1);
  }
  add(locale);
  return result;
}

}  // namespace nimbra::platform
