#include "nimbra/extension/linux/SystemServices.h"

#include <chrono>
#include <deque>
#include <exception>
#include <mutex>

#include "nimbra/CachingContentTypes.h"
#include "nimbra/extension/linux/ExtensionResources.h"
#include "nimbra/platform/Resources.h"
#include "nimbra/platform/linux/GioContentTypes.h"

namespace nimbra::extension {
namespace {

// Long enough for a read that meets the app's write; short enough not to be felt.
constexpr std::chrono::milliseconds kMenuReadWait{50};

// Runs the caches' refreshes one after another in one background job at a time:
// refreshes that come together share a thread instead of each starting one.
class RefreshQueue : public std::enable_shared_from_this<RefreshQueue> {
 public:
  explicit RefreshQueue(std::shared_ptr<platform::Scheduler> scheduler) : scheduler_(std::move(scheduler)) {}

  void push(std::function<void()> work) {
    {
      std::lock_guard lock(mutex_);
      queue_.push_back(std::move(work));
      if (std::exchange(running_, true)) return;
    }
    scheduler_->inBackground([self = shared_from_this()] { self->runAll(); });
  }

 private:
  // The first failure is passed on (to the scheduler's log) once the rest has run.
  void runAll() {
    std::exception_ptr failure;
    for (;;) {
      std::function<void()> work;
      {
        std::lock_guard lock(mutex_);
        if (queue_.empty()) {
          running_ = false;
          break;
        }
        work = std::move(queue_.front());
        queue_.pop_front();
      }
      try {
        work();
      } catch (...) {
        if (!failure) failure = std::current_exception();
      }
    }
    if (failure) std::rethrow_exception(failure);
  }

  const std::shared_ptr<platform::Scheduler> scheduler_;
  std::mutex mutex_;
  std::deque<std::function<void()>> queue_;
  bool running_ = false;
};

// The resources are process-wide and never freed, like the caches they feed.
std::shared_ptr<const StringTable> sharedStrings() {
  return std::shared_ptr<const StringTable>(&ExtensionResources::shared().strings(), [](const StringTable*) {});
}

}  // namespace

std::optional<SettingsStore> openExtensionSettings() {
  return SettingsStore::open(platform::openSharedSuite(kMenuReadWait));
}

DispatcherServices systemDispatcherServices(std::shared_ptr<platform::SystemLog> log, std::shared_ptr<HostServices> host,
                                            std::shared_ptr<platform::Scheduler> scheduler) {
  DispatcherServices services;
  services.files = platform::systemFileOperations();
  services.notifications = platform::sessionBusNotifications(log);
  services.fileManager = platform::sessionFileManager(log, scheduler);
  services.launcher = platform::desktopLauncher();
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
  if (refreshIn) {
    options.background = [queue = std::make_shared<RefreshQueue>(std::move(refreshIn))](std::function<void()> work) {
      queue->push(std::move(work));
    };
  }
  auto workspace = platform::systemWorkspace();
  auto types = std::make_shared<CachingContentTypes>(platform::systemContentTypes(), options);

  ExtensionEnvironment env;
  env.strings = sharedStrings();
  env.contentTypes = types;
  env.locator = std::make_shared<CachingAppLocator>(std::make_shared<WorkspaceAppLocator>(workspace), options);
  env.openers = std::make_shared<ContentTypeOpeners>(types, workspace, options);
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
