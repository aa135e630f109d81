#include "BusAnnouncement.h"

#include <utility>

#include "nimbra/platform/linux/BusNames.h"
#include "nimbra/platform/linux/SessionBus.h"

namespace nimbra::hosts {
namespace {

class GDBusAnnouncement final : public BusAnnouncement, public std::enable_shared_from_this<GDBusAnnouncement> {
 public:
  explicit GDBusAnnouncement(std::shared_ptr<platform::Scheduler> scheduler) : scheduler_(std::move(scheduler)) {}
  ~GDBusAnnouncement() override {
    if (owner_) g_bus_unown_name(owner_);
  }

  void set(bool on) override {
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

}  // namespace

std::shared_ptr<BusAnnouncement> gdbusAnnouncement(std::shared_ptr<platform::Scheduler> scheduler) {
  return std::make_shared<GDBusAnnouncement>(std::move(scheduler));
}

}  // namespace nimbra::hosts
