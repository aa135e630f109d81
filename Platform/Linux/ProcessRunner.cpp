#include "nimbra/platform/ProcessRunner.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "nimbra/platform/Failure.h"

extern char** environ;

namespace nimbra::platform {
namespace {

// The exit status, the signal's number for a killed child, -1 when it cannot be known
// (e.g. SIGCHLD ignored, so the kernel reaped it): never a success it did not report.
int waitFor(pid_t pid) {
  int status = 0;
  int rc;
  while ((rc = ::waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
  }
  if (rc < 0) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : WIFSIGNALED(status) ? WTERMSIG(status) : -1;
}

class PosixProcessRunner final : public ProcessRunner {
 public:
  void start(const std::filesystem::path& program, const std::vector<std::string>& args,
             const std::filesystem::path& errorLog, OnExit onExit) override {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    const int log = ::open(errorLog.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
    if (log < 0) fail(Operation::read, errno, errorLog);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, log, STDERR_FILENO);
    pid_t pid = 0;
    const int rc = ::posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(log);
    if (rc != 0) fail(Operation::launch, rc, program);

    // One waiter per child; it ends with the child.
    try {
      std::thread([pid, onExit = std::move(onExit)] { onExit(waitFor(pid)); }).detach();
    } catch (...) {
      // Nobody would reap it or learn how it ended: stop it now.
      ::kill(pid, SIGKILL);
      waitFor(pid);
      throw;
    }
  }
};

}  // namespace

std::shared_ptr<ProcessRunner> systemProcessRunner() {
  static const auto runner = std::make_shared<PosixProcessRunner>();
  return runner;
}

}  // namespace nimbra::platform
