#pragma once
// Runs a built program to its end with a private environment; captures its output.

#include <string>
#include <vector>

#include "TemporaryDirectory.h"

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

using TempDir = TemporaryDirectory;

}  // namespace nimbra::testing
