#pragma once
// A session bus of the test's own: a dbus-daemon listening in a temporary folder,
// stopped with the object. Its only service folder is an empty one of its own, so
// nothing the machine installs (a file manager, say) is ever started on it. Set
// DBUS_SESSION_BUS_ADDRESS to address() before the first D-Bus call of the process,
// or pass it in a child's environment.

#include <poll.h>

#include <memory>

#include "ChildProcess.h"

namespace nimbra::testing {

class PrivateSessionBus {
 public:
  PrivateSessionBus() {
    std::filesystem::create_directory(dir_ / "services");
    writeText(dir_ / "bus.conf", R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=)" + dir_.path().string() + R"(</listen>
  <servicedir>)" + (dir_ / "services").string() + R"(</servicedir>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)");
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    try {
      daemon_ = std::make_unique<ChildProcess>(std::vector<std::string>{"dbus-daemon", "--nofork", "--nopidfile",
                                                                        "--print-address=1", "--config-file=" + (dir_ / "bus.conf").string()},
                                               std::vector<std::string>{}, fds[1]);
    } catch (...) {
      ::close(fds[0]);
      ::close(fds[1]);
      throw;
    }
    ::close(fds[1]);
    // The daemon prints its address once it listens.
    char c = 0;
    pollfd wait{fds[0], POLLIN, 0};
    while (::poll(&wait, 1, 5000) == 1 && ::read(fds[0], &c, 1) == 1 && c != '\n') address_ += c;
    ::close(fds[0]);
    if (address_.empty()) throw std::runtime_error("dbus-daemon did not start");
  }

  const std::string& address() const { return address_; }
  // Ends the bus now, as when a desktop session goes away.
  void stop() { daemon_->stop(); }

 private:
  TemporaryFolder dir_;
  std::unique_ptr<ChildProcess> daemon_;
  std::string address_;
};

}  // namespace nimbra::testing
