#include <glib.h>

#include <cstdlib>
#include <string_view>
#include <vector>

#include "nimbra/platform/ApplicationBundles.h"
#include "nimbra/platform/linux/GioSupport.h"

namespace nimbra::platform {
namespace {

using std::filesystem::path;

constexpr std::string_view kSuffix = ".desktop";


// The XDG data folders, most important first. Read from the environment on
// every call rather than GLib's per-process cache, so a changed setting counts.
std::vector<path> dataDirs() {
  std::vector<path> dirs;
  const char* home = std::getenv("XDG_DATA_HOME");
  if (home && home[0] == '/') {
    dirs.emplace_back(home);
  } else if (const char* h = std::getenv("HOME"); h && h[0] == '/') {
    dirs.push_back(path(h) / ".local" / "share");
  }
  const char* system = std::getenv("XDG_DATA_DIRS");
  std::string_view list = system && system[0] ? system : "/usr/local/share:/usr/share";
  while (!list.empty()) {
    const auto colon = list.find(':');
    const auto dir = list.substr(0, colon);
    if (!dir.empty() && dir.front() == '/') dirs.emplace_back(dir);
    list = colon == std::string_view::npos ? std::string_view{} : list.substr(colon + 1);
  }
  return dirs;
}

// The desktop-file ID: the path below an applications/ folder of a data dir
// with '/' turned into '-', else the file name.
std::string desktopFileID(const path& file) {
  for (const auto& dir : dataDirs()) {
    const auto applications = (dir / "applications").lexically_normal();
    const auto relative = file.lexically_relative(applications);
    if (relative.empty() || *relative.begin() == "..") continue;
    std::string id = relative.generic_string();
    for (auto& c : id) {
      if (c == '/') c = '-';
    }
    return id;
  }
  return file.filename().string();
}

class DesktopApplicationBundles final : public ApplicationBundles {
 public:
  std::optional<std::string> bundleIdentifier(const path& location) const override {
    std::error_code ec;
    const auto file = std::filesystem::absolute(location, ec).lexically_normal();
    if (ec || !file.filename().string().ends_with(kSuffix) || !std::filesystem::is_regular_file(file, ec)) return std::nullopt;

    GKeyFilePtr keys(g_key_file_new());
    if (!g_key_file_load_from_file(keys.get(), file.c_str(), G_KEY_FILE_NONE, nullptr)) return std::nullopt;
    GCharPtr type(
        g_key_file_get_string(keys.get(), G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_TYPE, nullptr));
    if (!type || std::string_view(type.get()) != G_KEY_FILE_DESKTOP_TYPE_APPLICATION) return std::nullopt;

    auto id = desktopFileID(file);
    id.resize(id.size() - kSuffix.size());
    if (id.empty()) return std::nullopt;
    return id;
  }
};

}  // namespace

std::shared_ptr<const ApplicationBundles> systemApplicationBundles() {
  static const auto bundles = std::make_shared<const DesktopApplicationBundles>();
  return bundles;
}

}  // namespace nimbra::platform
