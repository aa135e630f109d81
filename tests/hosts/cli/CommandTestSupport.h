#pragma once
// Runs a built program with arguments and a private environment; captures its output.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace nimbra::testing {

struct CommandResult {
  int status = -1;
  std::string out;
  std::string err;
};

// `env` entries are NAME=VALUE, added to (and overriding) the test's own environment.
CommandResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::string>& env = {});

// Path of a program in the build's bin folder.
std::string builtProgram(const std::string& name);

// A fresh temporary folder, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace nimbra::testing
