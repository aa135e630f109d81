#include "nimbra/extension/linux/SystemServices.h"

#include "nimbra/extension/linux/ExtensionResources.h"
#include "nimbra/platform/Resources.h"
#include "nimbra/platform/linux/GioContentTypes.h"

namespace nimbra::extension {

DispatcherServices systemDispatcherServices(std::shared_ptr<platform::SystemLog> log, std::shared_ptr<HostServices> host,
                                            std::shared_ptr<platform::Scheduler> scheduler) {
  const auto& resources = ExtensionResources::shared();
  DispatcherServices services;
  services.files = platform::systemFileOperations();
  services.notifications = platform::sessionBusNotifications(log);
  services.fileManager = platform::sessionFileManager(log, scheduler);
  services.launcher = platform::desktopLauncher();
  services.workspace = platform::systemWorkspace();
  services.log = std::move(log);
  services.scheduler = std::move(scheduler);
  services.host = std::move(host);
  services.userFolders = [] { return platform::userFolders(); };
  services.now = [] { return std::chrono::system_clock::now(); };
  services.strings = std::shared_ptr<const StringTable>(&resources.strings(), [](const StringTable*) {});
  services.templatesFolder = resources.templatesFolder();
  services.processes = platform::systemProcessRunner();
  services.archiver = installedArchiver();
  return services;
}

ExtensionEnvironment systemExtensionEnvironment() {
  const auto& resources = ExtensionResources::shared();
  auto types = platform::systemContentTypes();
  auto workspace = platform::systemWorkspace();
  ExtensionEnvironment env;
  env.strings = std::shared_ptr<const StringTable>(&resources.strings(), [](const StringTable*) {});
  env.contentTypes = types;
  env.locator = std::make_shared<CachingAppLocator>(std::make_shared<WorkspaceAppLocator>(workspace),
                                                    std::make_shared<CachingAppLocator::Cache>());
  env.openers = std::make_shared<ContentTypeOpeners>(types, workspace, std::make_shared<ContentTypeOpeners::Cache>());
  if (const auto folder = resources.templatesFolder()) {
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
