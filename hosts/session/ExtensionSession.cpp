#include "ExtensionSession.h"

#include <dlfcn.h>

#include <condition_variable>
#include <mutex>
#include <utility>

#include "nimbra/extension/linux/SystemServices.h"
#include "nimbra/platform/linux/BusNames.h"
#include "nimbra/platform/linux/JournalLog.h"
#include "nimbra/platform/linux/MainLoopScheduler.h"
#include "nimbra/platform/linux/SessionBus.h"
#include "nimbra/platform/linux/WatchedExtensionSwitch.h"

namespace nimbra::hosts {

// Owns "ai.corvane.nimbra.Extension" on the session bus while the menus are on, so
// the companion app sees that the file manager has the module loaded and switched
// on. The connection is made in the background; owning a name never waits. Main thread.
class Announcement : public std::enable_shared_from_this<Announcement> {
 public:
  explicit Announcement(std::shared_ptr<platform::Scheduler> scheduler) : scheduler_(std::move(scheduler)) {}
  ~Announcement() {
    if (owner_) g_bus_unown_name(owner_);
  }

  void set(bool on) {
    wanted_ = on;
    if (on && !connection_ && !std::exchange(connecting_, true)) {
      scheduler_->inBackground([weak = weak_from_this(), scheduler = scheduler_] {
        std::shared_ptr<GDBusConnection> connection(platform::SessionBus::shared()->connection().release(),
                                                    platform::GObjectDeleter());
        scheduler->onMain([weak, connection] {
          if (const auto self = weak.lock()) self->connected(connection);
        });
      });
    }
    apply();
  }

 private:
  void connected(std::shared_ptr<GDBusConnection> connection) {
    connecting_ = false;
    connection_ = std::move(connection);
    apply();
  }

  void apply() {
    if (wanted_ && !owner_ && connection_) {
      owner_ = g_bus_own_name_on_connection(connection_.get(), platform::kExtensionBusName, G_BUS_NAME_OWNER_FLAGS_NONE,
                                            nullptr, nullptr, nullptr, nullptr);
    } else if (!wanted_ && owner_) {
      g_bus_unown_name(std::exchange(owner_, 0));
    }
  }

  const std::shared_ptr<platform::Scheduler> scheduler_;
  std::shared_ptr<GDBusConnection> connection_;  // none without a session bus
  bool connecting_ = false;
  bool wanted_ = false;
  guint owner_ = 0;
};

struct ExtensionSession::State {
  explicit State(std::shared_ptr<HostSession> host) : host(std::move(host)) {}

  std::shared_ptr<HostSession> host;
  std::shared_ptr<platform::MainLoopScheduler> scheduler = platform::mainLoopScheduler();
  std::shared_ptr<platform::SystemLog> log = platform::journalLog("extension");
  std::shared_ptr<Announcement> announcement = std::make_shared<Announcement>(scheduler);
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
