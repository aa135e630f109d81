#include <gio/gdesktopappinfo.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "nimbra/platform/ApplicationBundles.h"
#include "nimbra/platform/linux/GioSupport.h"

namespace nimbra::platform {
namespace {

using std::filesystem::path;

constexpr std::string_view kSuffix = ".desktop";

// The XDG data folders as the launcher (GIO) sees them, most important first.
std::vector<path> dataDirs() {
  std::vector<path> dirs{g_get_user_data_dir()};
  for (const gchar* const* dir = g_get_system_data_dirs(); *dir; ++dir) dirs.emplace_back(*dir);
  return dirs;
}

// The desktop-file ID of an entry in an applications/ folder of a data dir: the path
// below that folder with '/' turned into '-'.
std::optional<std::string> desktopFileID(const path& file) {
  for (const auto& dir : dataDirs()) {
    const auto relative = file.lexically_relative((dir / "applications").lexically_normal());
    if (relative.empty() || *relative.begin() == "..") continue;
    std::string id = relative.generic_string();
    std::replace(id.begin(), id.end(), '/', '-');
    return id;
  }
  return std::nullopt;
}

class DesktopApplicationBundles final : public ApplicationBundles {
 public:
  // Only an entry the launcher finds under its identifier names an app: one outside
  // the applications folders, or shadowed by another entry of that identifier,
  // would have the launcher start a different program.
  std::optional<std::string> bundleIdentifier(const path& location) const override {
    std::error_code ec;
    const auto file = std::filesystem::absolute(location, ec).lexically_normal();
    if (ec || !file.filename().string().ends_with(kSuffix)) return std::nullopt;
    const auto id = desktopFileID(file);
    if (!id) return std::nullopt;
    // GIO loads only application entries that are not hidden.
    const GObjectPtr<GDesktopAppInfo> info(g_desktop_app_info_new(id->c_str()));
    const char* found = info ? g_desktop_app_info_get_filename(info.get()) : nullptr;
    if (!found || !std::filesystem::equivalent(found, file, ec)) return std::nullopt;
    return id->substr(0, id->size() - kSuffix.size());
  }
};

}  // namespace

std::shared_ptr<const ApplicationBundles> systemApplicationBundles() {
  static const auto bundles = std::make_shared<const DesktopApplicationBundles>();
  return bundles;
}

}  // namespace nimbra::platform
