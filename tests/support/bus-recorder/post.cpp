// nimbra-bus-post NAME...
//
// Posts each NAME as a notification through the platform's session-bus
// notifications and exits at once, as a short-lived process (the command-line
// host) does. Problems the notifications log go to stderr.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "nimbra/platform/linux/SessionBusNotifications.h"
#include "nimbra/platform/SystemLog.h"

namespace {

class StderrLog final : public nimbra::platform::SystemLog {
 public:
  void info(std::string_view message) override { std::fprintf(stderr, "%.*s\n", int(message.size()), message.data()); }
  void error(std::string_view message) override { info(message); }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: nimbra-bus-post NAME...\n", stderr);
    return 2;
  }
  const auto notifications = nimbra::platform::sessionBusNotifications(std::make_shared<StderrLog>());
  for (int i = 1; i < argc; ++i) notifications->post(argv[i]);
  // No cleanup of any kind, the harshest way a process can end right after posting.
  std::_Exit(0);
}
