// The flag is a file: present means off. A file rather than a value inside the
// shared suite, so that it survives the suite's removal and needs no database
// to be read.

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <fcntl.h>

#include "nimbra/platform/Failure.h"
#include "nimbra/platform/UserFolders.h"
#include "nimbra/platform/linux/GioSupport.h"
#include "nimbra/platform/linux/WatchedExtensionSwitch.h"

namespace nimbra::platform {
namespace {

// Only a flag that is there switches the menus off; a folder that cannot be read does not.
bool flagAbsent(const std::filesystem::path& flag) {
  struct stat st {};
  return ::lstat(flag.c_str(), &st) != 0;
}

void store(const std::filesystem::path& flag, bool on) {
  if (on) {
    if (::unlink(flag.c_str()) != 0 && errno != ENOENT) fail(Operation::remove, errno, flag);
    return;
  }
  std::error_code ec;
  std::filesystem::create_directories(flag.parent_path(), ec);
  const int fd = ::open(flag.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) fail(Operation::createFile, errno, flag);
  ::close(fd);
}

// Looks at the flag on every question: for those that ask now and then.
class FileSwitch final : public ExtensionSwitch {
 public:
  bool isOn() const override { return flagAbsent(flag_); }
  void setOn(bool on) override { store(flag_, on); }

 private:
  const std::filesystem::path flag_ = extensionSwitchFile();
};

class WatchedSwitch final : public ExtensionSwitch {
 public:
  explicit WatchedSwitch(std::function<void(bool)> changed)
      : flag_(extensionSwitchFile()), changed_(std::move(changed)), on_(flagAbsent(flag_)) {
    // The folder watched for the flag.
    std::error_code ec;
    std::filesystem::create_directories(flag_.parent_path(), ec);
    const GObjectPtr<GFile> file = localFile(flag_);
    monitor_.reset(g_file_monitor_file(file.get(), G_FILE_MONITOR_NONE, nullptr, nullptr));
    if (monitor_) g_signal_connect(monitor_.get(), "changed", G_CALLBACK(onChanged), this);
  }
  ~WatchedSwitch() override {
    if (monitor_) g_signal_handlers_disconnect_by_data(monitor_.get(), this);
  }

  bool isOn() const override { return on_; }
  void setOn(bool on) override { store(flag_, on); }

 private:
  static void onChanged(GFileMonitor*, GFile*, GFile*, GFileMonitorEvent, gpointer self) {
    auto& watched = *static_cast<WatchedSwitch*>(self);
    const bool on = flagAbsent(watched.flag_);
    if (watched.on_.exchange(on) == on || !watched.changed_) return;
    // A GLib callback: nothing may escape into C.
    try {
      watched.changed_(on);
    } catch (...) {
    }
  }

  const std::filesystem::path flag_;
  const std::function<void(bool)> changed_;
  std::atomic<bool> on_;
  GObjectPtr<GFileMonitor> monitor_;
};

}  // namespace

std::filesystem::path extensionSwitchFile() { return configHome() / "ai.corvane.nimbra" / "extension-off"; }

std::shared_ptr<ExtensionSwitch> userExtensionSwitch() { return std::make_shared<FileSwitch>(); }

std::shared_ptr<ExtensionSwitch> watchedExtensionSwitch(std::function<void(bool)> changed) {
  return std::make_shared<WatchedSwitch>(std::move(changed));
}

}  // namespace nimbra::platform
