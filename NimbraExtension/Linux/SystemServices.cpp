#include "nimbra/extension/linux/SystemServices.h"

#include <chrono>

#include "nimbra/CachingContentTypes.h"
#include "nimbra/extension/linux/ExtensionResources.h"
#include "nimbra/platform/Resources.h"
#include "nimbra/platform/SerialQueue.h"
#include "nimbra/platform/linux/GioContentTypes.h"
#include "nimbra/platform/linux/SessionBusNotifications.h"
#include "nimbra/platform/linux/SessionFileManager.h"

namespace nimbra::extension {
namespace {

// Long enough for a read that meets the app's write; short enough not to be felt.
constexpr std::chrono::milliseconds kMenuReadWait{50};

// The resources are process-wide and never freed, like the caches they feed.
std::shared_ptr<const StringTable> sharedStrings() {
  return std::shared_ptr<const StringTable>(&ExtensionResources::shared().strings(), [](const StringTable*) {});
}

}  // namespace

std::optional<SettingsStore> openExtensionSettings(platform::SystemLog& log) {
  try {
    return SettingsStore(platform::openSharedSuite(kMenuReadWait));
  } catch (const platform::Failure& failure) {
    log.error(std::string("settings: ") + failure.what());
    return std::nullopt;
  }
}

DispatcherServices systemDispatcherServices(std::shared_ptr<platform::SystemLog> log, std::shared_ptr<HostServices> host,
                                            std::shared_ptr<platform::Scheduler> scheduler,
                                            platform::LaunchContexts launchContexts) {
  DispatcherServices services;
  services.files = platform::systemFileOperations();
  services.notifications = platform::sessionBusNotifications(log);
  services.fileManager = platform::sessionFileManager(log, scheduler);
  services.launcher = platform::desktopLauncher(std::move(launchContexts));
  services.apps = std::make_shared<WorkspaceAppLocator>(platform::systemWorkspace());
  services.log = std::move(log);
  services.scheduler = std::move(scheduler);
  services.host = std::move(host);
  services.userFolders = [] { return platform::userFolders(); };
  services.now = [] { return std::chrono::system_clock::now(); };
  services.strings = sharedStrings();
  services.templatesFolder = ExtensionResources::shared().templatesFolder();
  services.processes = platform::systemProcessRunner();
  services.archiver = installedArchiver();
  return services;
}

ExtensionEnvironment systemExtensionEnvironment(std::shared_ptr<platform::Scheduler> refreshIn, LookupClock::Now now) {
  LookupOptions options{std::chrono::seconds(60), std::move(now), {}};
  // The caches' refreshes one after another: those that come together share a thread.
  if (refreshIn) {
    options.background = [queue = platform::SerialQueue::on(std::move(refreshIn))](std::function<void()> work) {
      queue->push(std::move(work));
    };
  }
  auto workspace = platform::systemWorkspace();
  auto gio = platform::systemContentTypes();
  auto types = std::make_shared<CachingContentTypes>(gio, options);

  ExtensionEnvironment env;
  env.strings = sharedStrings();
  env.contentTypes = types;
  env.locator = std::make_shared<CachingAppLocator>(std::make_shared<WorkspaceAppLocator>(workspace), options);
  env.openers = std::make_shared<ContentTypeOpeners>(gio, workspace, options);
  env.extensionSwitch = platform::userExtensionSwitch();
  if (const auto folder = ExtensionResources::shared().templatesFolder()) {
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(*folder, ec); !ec && it != std::filesystem::directory_iterator();
         it.increment(ec)) {
      if (it->is_regular_file(ec)) env.templateNames.insert(it->path().filename().string());
    }
  }
  return env;
}

std::filesystem::path installedArchiver() {
  static const auto anchor = 0;
  // Programs sit in the bin folder beside the resources' share folder.
  if (const auto resources = platform::deliverableResources("extension", &anchor)) {
    return resources->parent_path().parent_path().parent_path() / "bin" / "nimbra-zip";
  }
  return "nimbra-zip";  // searched in PATH
}

}  // namespace nimbra::extension
