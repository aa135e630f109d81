#include "ExtensionSession.h"

#include <dlfcn.h>

#include <condition_variable>
#include <mutex>
#include <utility>

#include "BusAnnouncement.h"
#include "nimbra/extension/linux/SystemServices.h"
#include "nimbra/platform/linux/JournalLog.h"
#include "nimbra/platform/linux/MainLoopScheduler.h"
#include "nimbra/platform/linux/WatchedExtensionSwitch.h"

namespace nimbra::hosts {

struct ExtensionSession::State {
  explicit State(std::shared_ptr<HostSession> host) : host(std::move(host)) {}

  std::shared_ptr<HostSession> host;
  std::shared_ptr<platform::MainLoopScheduler> scheduler = platform::mainLoopScheduler();
  std::shared_ptr<platform::SystemLog> log = platform::journalLog("extension");
  std::shared_ptr<BusAnnouncement> announcement = host->announcement(scheduler);
  std::shared_ptr<platform::ExtensionSwitch> extensionSwitch;
  // Set once ready, on the main thread.
  std::shared_ptr<extension::FinderSync> sync;
  std::unique_ptr<extension::FreedesktopIcons> icons;
  // What the background set-up made, until the main thread takes it.
  std::mutex mutex;
  std::condition_variable made;
  std::shared_ptr<extension::FinderSync> madeSync;
  std::shared_ptr<const AppLocating> madeLocator;

  // Main thread: takes what the set-up made, once.
  void install() {
    std::unique_lock lock(mutex);
    if (sync || !madeSync) return;
    sync = std::move(madeSync);
    icons = std::make_unique<extension::FreedesktopIcons>(std::move(madeLocator));
    lock.unlock();
    announcement->set(extensionSwitch->isOn());
  }
};

ExtensionSession::ExtensionSession(std::shared_ptr<HostSession> host) : state_(std::make_shared<State>(std::move(host))) {
  state_->extensionSwitch = platform::watchedExtensionSwitch([state = std::weak_ptr<State>(state_)](bool on) {
    if (const auto s = state.lock()) s->announcement->set(on && s->sync);
  });
  // Settings, resources and the caches' first answers come from the disk and GIO.
  state_->scheduler->inBackground([state = std::weak_ptr<State>(state_)] {
    const auto s = state.lock();
    if (!s) return;
    auto settings = extension::openExtensionSettings(*s->log);
    auto environment = extension::systemExtensionEnvironment(s->scheduler);
    environment.extensionSwitch = s->extensionSwitch;
    auto services = extension::systemDispatcherServices(s->log, s->host, s->scheduler,
                                                        [host = s->host] { return host->launchContext(); });
    services.fileManager = s->host->fileManager(std::move(services.fileManager), s->scheduler);
    auto locator = environment.locator;
    auto sync = std::make_shared<extension::FinderSync>(std::move(settings), std::move(environment), std::move(services));
    sync->warmUp();
    {
      const std::lock_guard lock(s->mutex);
      s->madeSync = std::move(sync);
      s->madeLocator = std::move(locator);
    }
    s->made.notify_all();
    s->scheduler->onMain([state] {
      if (const auto s = state.lock()) s->install();
    });
  });
}

ExtensionSession::~ExtensionSession() = default;

bool ExtensionSession::awaitReady(std::chrono::milliseconds limit) {
  {
    std::unique_lock lock(state_->mutex);
    state_->made.wait_for(lock, limit, [&] { return state_->sync || state_->madeSync; });
  }
  state_->install();
  return state_->sync != nullptr;
}

std::vector<MenuNode> ExtensionSession::nodes(MenuKind kind, std::span<const extension::SelectedItem> selection) const {
  if (!state_->sync) return {};
  return state_->sync->menuNodes(kind, selection);
}

const std::shared_ptr<extension::FinderSync>& ExtensionSession::sync() const { return state_->sync; }

const extension::FreedesktopIcons& ExtensionSession::icons() const { return *state_->icons; }

HostSession& ExtensionSession::host() const { return *state_->host; }

void stayResident() {
  Dl_info self{};
  if (::dladdr(reinterpret_cast<const void*>(&stayResident), &self) != 0 && self.dli_fname) {
    // One more reference that is never dropped: the code is never unmapped.
    ::dlopen(self.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
  }
}

}  // namespace nimbra::hosts
