#include "nimbra/platform/linux/DesktopLauncher.h"

#include <dlfcn.h>
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <unistd.h>

#include <string>

namespace nimbra::platform {
namespace {

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
  DesktopLauncher(std::filesystem::path binary, std::string companionDesktopID, LaunchContexts launchContexts)
      : binary_(std::move(binary)),
        companionDesktopID_(std::move(companionDesktopID)),
        launchContexts_(std::move(launchContexts)) {}

  void open(const std::vector<std::filesystem::path>& folders, const AppLocation& app) override {
    GObjectPtr<GDesktopAppInfo> info(g_desktop_app_info_new_from_filename(app.url.c_str()));
    // GIO refuses entries that are missing, hidden, or whose program is not installed.
    if (!info) fail(Operation::launch, ENOENT, app.url);
    std::vector<std::string> uris;
    for (const auto& folder : folders) uris.push_back(fileURI(folder));
    GList* list = nullptr;
    for (auto it = uris.rbegin(); it != uris.rend(); ++it) list = g_list_prepend(list, it->data());
    GError* error = nullptr;
    const bool launched = g_app_info_launch_uris(G_APP_INFO(info.get()), list, nullptr, &error);
    g_list_free(list);
    if (!launched) fail(Operation::launch, error, app.url);
  }

  // A second launch of the entry reaches the running app, which is single-instance.
  void openCompanionApp() override {
    const auto context = launchContexts_ ? launchContexts_() : nullptr;
    if (GObjectPtr<GDesktopAppInfo> info(g_desktop_app_info_new(companionDesktopID_.c_str())); info) {
      GError* error = nullptr;
      if (!g_app_info_launch(G_APP_INFO(info.get()), nullptr, context.get(), &error)) {
        fail(Operation::launch, error, g_desktop_app_info_get_filename(info.get()));
      }
      return;
    }
    const auto program = companionProgramFor(binary_);
    if (!program) fail(Operation::launch, ENOENT, companionDesktopID_);
    // As a desktop entry of its own, so that it starts in the same context.
    const GCharPtr commandLine(g_shell_quote(program->c_str()));
    GObjectPtr<GAppInfo> app(g_app_info_create_from_commandline(commandLine.get(), nullptr,
                                                                G_APP_INFO_CREATE_SUPPORTS_STARTUP_NOTIFICATION, nullptr));
    GError* error = nullptr;
    if (!app || !g_app_info_launch(app.get(), nullptr, context.get(), &error)) fail(Operation::launch, error, *program);
  }

 private:
  std::filesystem::path binary_;
  std::string companionDesktopID_;
  LaunchContexts launchContexts_;
};

}  // namespace

std::optional<std::filesystem::path> companionProgramFor(const std::filesystem::path& binary) {
  if (binary.empty()) return std::nullopt;
  const auto folder = binary.parent_path();
  if (isProgram(folder / kCompanionProgram)) return folder / kCompanionProgram;
  // Only the binary's own prefix: a program of that name elsewhere on the machine is not ours.
  for (auto dir = folder; dir.has_relative_path(); dir = dir.parent_path()) {
    if (dir.filename() != "lib") continue;
    const auto candidate = dir.parent_path() / "bin" / kCompanionProgram;
    if (isProgram(candidate)) return candidate;
    break;
  }
  return std::nullopt;
}

std::shared_ptr<Launcher> desktopLauncher(std::filesystem::path binary, std::string companionDesktopID,
                                          LaunchContexts launchContexts) {
  return std::make_shared<DesktopLauncher>(std::move(binary), std::move(companionDesktopID), std::move(launchContexts));
}

std::shared_ptr<Launcher> desktopLauncher(LaunchContexts launchContexts) {
  return desktopLauncher(callingBinary(), std::string(kCompanionDesktopID), std::move(launchContexts));
}

}  // namespace nimbra::platform
