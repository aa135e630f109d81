#include "nimbra/platform/linux/DesktopLauncher.h"
#include "nimbra/platform/linux/GioSupport.h"

#include <dlfcn.h>
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <unistd.h>

#include <string>

namespace nimbra::platform {
namespace {

template <typename T>
using Owned = GObjectPtr<T>;

std::string takeMessage(GError* error) {
  std::string message = error ? error->message : "unknown error";
  if (error) g_error_free(error);
  return message;
}

bool isProgram(const std::filesystem::path& file) {
  std::error_code ec;
  return std::filesystem::is_regular_file(file, ec) && ::access(file.c_str(), X_OK) == 0;
}

// The binary this code is linked into: the host program, or the module.
std::filesystem::path callingBinary() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<const void*>(&callingBinary), &info) == 0 || !info.dli_fname) return {};
  std::error_code ec;
  auto binary = std::filesystem::canonical(info.dli_fname, ec);
  return ec ? std::filesystem::path() : binary;
}

class DesktopLauncher final : public Launcher {
 public:
  DesktopLauncher(std::filesystem::path binary, std::string companionDesktopID)
      : binary_(std::move(binary)), companionDesktopID_(std::move(companionDesktopID)) {}

  std::optional<std::string> open(const std::vector<std::filesystem::path>& folders, const AppLocation& app) override {
    Owned<GDesktopAppInfo> info(g_desktop_app_info_new_from_filename(app.url.c_str()));
    // GIO refuses entries that are missing, hidden, or whose program is not installed.
    if (!info) return "no usable application entry at " + app.url.string();
    std::vector<std::string> uris;
    for (const auto& folder : folders) {
      uris.push_back(fileURI(folder));
    }
    GList* list = nullptr;
    for (auto it = uris.rbegin(); it != uris.rend(); ++it) list = g_list_prepend(list, it->data());
    GError* error = nullptr;
    const bool launched = g_app_info_launch_uris(G_APP_INFO(info.get()), list, nullptr, &error);
    g_list_free(list);
    if (!launched) return takeMessage(error);
    return std::nullopt;
  }

  // A second launch of the entry reaches the running app, which is single-instance.
  std::optional<std::string> openCompanionApp() override {
    if (Owned<GDesktopAppInfo> info(g_desktop_app_info_new(companionDesktopID_.c_str())); info) {
      GError* error = nullptr;
      if (!g_app_info_launch(G_APP_INFO(info.get()), nullptr, nullptr, &error)) return takeMessage(error);
      return std::nullopt;
    }
    const auto program = companionProgramFor(binary_);
    if (!program) {
      return "no " + companionDesktopID_ + " and no " + std::string(kCompanionProgram) + " program near " +
             binary_.string();
    }
    std::string path = program->string();
    gchar* argv[] = {path.data(), nullptr};
    GError* error = nullptr;
    // Without DO_NOT_REAP_CHILD GLib reaps the program itself: no zombie is left.
    if (!g_spawn_async(nullptr, argv, nullptr, G_SPAWN_DEFAULT, nullptr, nullptr, nullptr, &error)) {
      return takeMessage(error);
    }
    return std::nullopt;
  }

 private:
  std::filesystem::path binary_;
  std::string companionDesktopID_;
};

}  // namespace

std::optional<std::filesystem::path> companionProgramFor(const std::filesystem::path& binary) {
  if (binary.empty()) return std::nullopt;
  const auto folder = binary.parent_path();
  if (isProgram(folder / kCompanionProgram)) return folder / kCompanionProgram;
  for (auto dir = folder; dir.has_relative_path(); dir = dir.parent_path()) {
    const auto candidate = dir.parent_path() / "bin" / kCompanionProgram;
    if (isProgram(candidate)) return candidate;
  }
  return std::nullopt;
}

std::shared_ptr<Launcher> desktopLauncher(std::filesystem::path binary, std::string companionDesktopID) {
  return std::make_shared<DesktopLauncher>(std::move(binary), std::move(companionDesktopID));
}

std::shared_ptr<Launcher> desktopLauncher() { return desktopLauncher(callingBinary()); }

}  // namespace nimbra::platform
