#include "ModuleExtension.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "MenuItems.h"
#include "nimbra/extension/linux/FreedesktopIcons.h"
#include "nimbra/extension/linux/SystemServices.h"
#include "nimbra/platform/linux/BusNames.h"
#include "nimbra/platform/linux/JournalLog.h"
#include "nimbra/platform/linux/MainLoopScheduler.h"
#include "nimbra/platform/linux/SessionBus.h"
#include "nimbra/platform/linux/WatchedExtensionSwitch.h"

namespace nimbra::hosts {
namespace {

namespace fs = std::filesystem;

// The local path of an item the file manager shows; nothing for other locations
// (trash, network, search, recent), which get no menus.
std::optional<fs::path> localPath(const HostApi& api, GObject* file) {
  if (platform::takeString(api.uriScheme(file)) != "file") return std::nullopt;
  const platform::GObjectPtr<GFile> location(api.location(file));
  const auto path = location ? platform::takeString(g_file_get_path(location.get())) : std::string();
  if (path.empty()) return std::nullopt;
  return fs::path(path);
}

}  // namespace

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

struct ModuleExtension::State {
  State(const HostApi& api, std::shared_ptr<HostSession> host) : api(api), host(std::move(host)) {}

  const HostApi& api;
  std::shared_ptr<HostSession> host;
  std::shared_ptr<platform::MainLoopScheduler> scheduler = platform::mainLoopScheduler();
  std::shared_ptr<platform::SystemLog> log = platform::journalLog("extension");
  std::shared_ptr<Announcement> announcement = std::make_shared<Announcement>(scheduler);
  std::shared_ptr<platform::ExtensionSwitch> extensionSwitch;
  // Set once ready, on the main thread.
  std::shared_ptr<extension::FinderSync> sync;
  std::unique_ptr<extension::FreedesktopIcons> icons;

  GList* items(std::vector<extension::SelectedItem> facts, MenuRequest request) const {
    if (!sync) return nullptr;
    const auto nodes = sync->menuNodes(request.kind, facts);
    if (nodes.empty()) return nullptr;
    return menuItems(api, sync, *icons, nodes, request);
  }
};

ModuleExtension::ModuleExtension(const HostApi& api, std::shared_ptr<HostSession> host)
    : state_(std::make_shared<State>(api, std::move(host))) {
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
    s->scheduler->onMain([state, sync = std::move(sync), locator = std::move(locator)]() mutable {
      const auto s = state.lock();
      if (!s) return;
      s->sync = std::move(sync);
      s->icons = std::make_unique<extension::FreedesktopIcons>(std::move(locator));
      s->announcement->set(s->extensionSwitch->isOn());
    });
  });
}

ModuleExtension::~ModuleExtension() = default;

GList* ModuleExtension::backgroundItems(GObject* folder) {
  const auto path = localPath(state_->api, folder);
  if (!path) return nullptr;
  return state_->items({}, {MenuKind::contextualMenuForContainer, *path, {}});
}

GList* ModuleExtension::fileItems(GList* files, GObject* window) {
  std::vector<extension::SelectedItem> facts;
  std::vector<fs::path> selection;
  for (GList* l = files; l; l = l->next) {
    auto* file = G_OBJECT(l->data);
    const auto path = localPath(state_->api, file);
    if (!path) {
      state_->host->selectionChanged({}, window);
      return nullptr;
    }
    // The file manager knows whether an item is a folder, a link to one included.
    facts.push_back(extension::SelectedItem::known(*path, state_->api.isDirectory(file)));
    selection.push_back(*path);
  }
  state_->host->selectionChanged(selection, window);
  if (selection.empty()) return nullptr;
  auto target = selection.front().parent_path();
  return state_->items(std::move(facts), {MenuKind::contextualMenuForItems, std::move(target), std::move(selection)});
}

}  // namespace nimbra::hosts
