#pragma once
// Programs run by tests: one started in the background with extra environment and
// stopped with SIGTERM (and reaped) when the object goes, or one run to its end with
// its output captured.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "FileTesting.h"

extern char** environ;

namespace nimbra::testing {

class ChildProcess {
 public:
  // `env` entries are NAME=VALUE, added to (and overriding) the test's own
  // environment. `outFd` and `errFd` become the child's standard output and error;
  // by default it has neither, so a test that dies leaves no child holding its output.
  // The child is killed when the test's process ends, however it ends.
  ChildProcess(std::vector<std::string> argv, const std::vector<std::string>& env = {}, int outFd = -1,
               int errFd = -1) {
    argv.insert(argv.begin(), {"setpriv", "--pdeathsig", "KILL", "--"});
    std::vector<std::string> environment(env);
    for (char** e = environ; *e; ++e) {
      const std::string entry(*e);
      if (std::ranges::none_of(env, [&](const std::string& o) { return o.starts_with(entry.substr(0, entry.find('=') + 1)); })) {
        environment.push_back(entry);
      }
    }
    std::vector<char*> args, envp;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    for (auto& e : environment) envp.push_back(e.data());
    args.push_back(nullptr);
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (outFd == -1) posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    else posix_spawn_file_actions_adddup2(&actions, outFd, 1);
    if (errFd == -1) posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    else posix_spawn_file_actions_adddup2(&actions, errFd, 2);
    const int rc = posix_spawnp(&pid_, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) throw std::runtime_error("cannot start " + argv[4]);
  }
  ~ChildProcess() { stop(); }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Sends SIGTERM and waits; the exit status, 128 + signal when killed by one.
  int stop() {
    if (pid_ > 0) ::kill(pid_, SIGTERM);
    return waitForExit(std::chrono::hours(1));
  }

  // Waits for the program to end by itself; -1 when it is still running after `timeout`.
  int waitForExit(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (int status = 0; pid_ > 0; std::this_thread::sleep_for(std::chrono::milliseconds(2))) {
      if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      } else if (std::chrono::steady_clock::now() > deadline) {
        return -1;
      }
    }
    return status_;
  }

 private:
  pid_t pid_ = -1;
  int status_ = -1;
};

struct CommandResult {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs `argv` to its end (a minute at most) and captures what it printed.
inline CommandResult runProgram(const std::vector<std::string>& argv, const std::vector<std::string>& env = {}) {
  const TemporaryFolder capture;
  const int out = ::open((capture / "out").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
  const int err = ::open((capture / "err").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
  const int status = ChildProcess(argv, env, out, err).waitForExit(std::chrono::minutes(1));
  ::close(out);
  ::close(err);
  return {status, readText(capture / "out"), readText(capture / "err")};
}

// A program the build made.
inline std::string builtProgram(const std::string& name) {
  const char* dir = std::getenv("NIMBRA_BIN_DIR");
  return (std::filesystem::path(dir ? dir : ".") / name).string();
}

}  // namespace nimbra::testing
