#pragma once
// A private world for nimbra-menu: home, settings and desktop entries of the test's
// own, and the machine's MIME database but none of the machine's applications, so
// what is installed on the machine never changes a menu.

#include <filesystem>
#include <string>
#include <vector>

#include "ChildProcess.h"

namespace nimbra::testing {

class World {
 public:
  World() {
    for (const auto* dir : {".config", ".local/share/applications", "system"}) {
      std::filesystem::create_directories(home() / dir);
    }
    std::filesystem::create_directory_symlink("/usr/share/mime", home() / "system" / "mime");
  }

  const std::filesystem::path& home() const { return home_.path(); }

  void installApp(const std::string& desktopID, const std::string& name, const std::string& exec = "/bin/true %F") {
    writeText(home() / ".local/share/applications" / desktopID,
              "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + exec + "\n");
  }

  // The world's variables; `extra` entries replace those of the same name.
  std::vector<std::string> env(const std::vector<std::string>& extra = {}) const {
    std::vector<std::string> result = {"HOME=" + home().string(),
                                       "XDG_CONFIG_HOME=" + (home() / ".config").string(),
                                       "XDG_DATA_HOME=" + (home() / ".local/share").string(),
                                       "XDG_DATA_DIRS=" + (home() / "system").string(),
                                       "XDG_CONFIG_DIRS=" + (home() / "system").string(),
                                       "LANG=C.UTF-8", "LC_ALL=", "LANGUAGE="};
    for (const auto& e : extra) {
      std::erase_if(result, [&](const std::string& r) { return r.starts_with(e.substr(0, e.find('=') + 1)); });
      result.push_back(e);
    }
    return result;
  }

  CommandResult run(const std::string& program, std::vector<std::string> args,
                    const std::vector<std::string>& extraEnv = {}) const {
    args.insert(args.begin(), builtProgram(program));
    return runProgram(args, env(extraEnv));
  }
  CommandResult menu(const std::vector<std::string>& args, const std::vector<std::string>& extraEnv = {}) const {
    return run("nimbra-menu", args, extraEnv);
  }

 private:
  TemporaryFolder home_;
};

}  // namespace nimbra::testing
