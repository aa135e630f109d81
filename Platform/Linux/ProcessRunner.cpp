#include "nimbra/platform/ProcessRunner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <system_error>
#include <thread>

extern char** environ;

namespace nimbra::platform {
namespace {

class PosixProcessRunner final : public ProcessRunner {
 public:
  void start(const std::filesystem::path& program, const std::vector<std::string>& args,
             const std::filesystem::path& errorLog, OnExit onExit) override {
    const int log = ::open(errorLog.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
    if (log < 0) throw std::system_error(errno, std::generic_category(), "open " + errorLog.string());

    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, log, STDERR_FILENO);
    pid_t pid = 0;
    const int rc = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(log);
    if (rc != 0) throw std::system_error(rc, std::generic_category(), "start " + program.string());

    // One waiter per child; it ends with the child.
    std::thread([pid, onExit = std::move(onExit)] {
      int status = 0;
      while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
      }
      onExit(WIFEXITED(status) ? WEXITSTATUS(status) : WIFSIGNALED(status) ? WTERMSIG(status) : -1);
    }).detach();
  }
};

}  // namespace

std::shared_ptr<ProcessRunner> systemProcessRunner() {
  static const auto runner = std::make_shared<PosixProcessRunner>();
  return runner;
}

}  // namespace nimbra::platform
