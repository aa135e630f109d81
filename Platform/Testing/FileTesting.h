#pragma once
// Real files for tests: a temporary folder removed afterwards, small read and write
// helpers, environment variables that say where files go, and a child process with
// its own mounts for read-only file systems.

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace nimbra::testing {

class TemporaryFolder {
 public:
  explicit TemporaryFolder(const std::filesystem::path& under = std::filesystem::temp_directory_path()) {
    std::string name = (under / "nimbra-test-XXXXXX").native();
    if (::mkdtemp(name.data()) == nullptr) throw std::system_error(errno, std::generic_category(), name);
    path_ = name;
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  ~TemporaryFolder() {
    std::error_code ec;
    // Tests leave read-only folders behind; open them up so everything goes.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
      if (it->is_directory(ec) && !it->is_symlink(ec)) {
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
      }
    }
    std::filesystem::remove_all(path_, ec);
  }

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Sets environment variables (nullptr unsets) and puts the old values back when it goes.
class ScopedEnvironment {
 public:
  ScopedEnvironment() = default;
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
  ~ScopedEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) apply(it->first, it->second ? it->second->c_str() : nullptr);
  }
  void set(const std::string& name, const char* value) {
    const char* old = std::getenv(name.c_str());
    saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    apply(name, value);
  }

 private:
  static void apply(const std::string& name, const char* value) {
    value ? ::setenv(name.c_str(), value, 1) : ::unsetenv(name.c_str());
  }
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

inline void writeText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

inline std::string readText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Sets the access and modification times of `path` itself, a link included.
inline void setModificationTime(const std::filesystem::path& path, time_t seconds, long nanoseconds = 0) {
  const timespec times[2] = {{seconds, nanoseconds}, {seconds, nanoseconds}};
  if (::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0) throw std::runtime_error("cannot set times");
}

// The names in a folder, sorted.
inline std::vector<std::string> namesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Bytes that no compressor shrinks, the same for the same seed.
inline std::string randomText(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string data(size, '\0');
  for (auto& c : data) c = static_cast<char>(random());
  return data;
}

// Runs `body` in a forked child that has its own mount namespace, so mounts made
// there vanish with it. Returns the child's exit status, or nothing when the system
// gives no such namespace (no privilege). `body` must not use test assertions.
inline std::optional<int> runWithPrivateMounts(const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) _exit(125);
    int status = 126;
    try {
      status = body();
    } catch (...) {
    }
    _exit(status);
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 125) return std::nullopt;
  return WEXITSTATUS(status);
}

// Makes `folder` and everything in it read-only by a read-only bind mount of itself
// (which is also a mount of its own: renames out of it cross file systems). Only
// inside runWithPrivateMounts.
inline bool makeReadOnly(const std::filesystem::path& folder) {
  return ::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
         ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
}

// A folder on another file system than the temporary folder, for moves that must
// copy; nothing when the machine has none to offer.
inline std::optional<std::filesystem::path> otherFileSystem() {
  struct stat a {}, b {};
  if (::stat(std::filesystem::temp_directory_path().c_str(), &a) != 0) return std::nullopt;
  for (const char* candidate : {"/dev/shm", "/run/user"}) {
    if (::stat(candidate, &b) == 0 && S_ISDIR(b.st_mode) && a.st_dev != b.st_dev && ::access(candidate, W_OK) == 0) {
      return std::filesystem::path(candidate);
    }
  }
  return std::nullopt;
}

}  // namespace nimbra::testing
