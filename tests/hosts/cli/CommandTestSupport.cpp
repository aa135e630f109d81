#include "CommandTestSupport.h"

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "ChildProcess.h"

namespace nimbra::testing {
namespace {

std::string slurp(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace

std::string builtProgram(const std::string& name) {
  const char* dir = std::getenv("NIMBRA_BIN_DIR");
  return (std::filesystem::path(dir ? dir : ".") / name).string();
}

CommandResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::string>& env) {
  TemporaryDirectory capture;
  const auto outPath = capture.path() / "out";
  const auto errPath = capture.path() / "err";
  const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
  const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
  std::vector<std::string> argv{program};
  argv.insert(argv.end(), args.begin(), args.end());
  int status = -1;
  {
    ChildProcess child(argv, env, out, /*quiet=*/false, err);
    status = child.waitForExit(std::chrono::minutes(2));
  }
  ::close(out);
  ::close(err);
  return {status, slurp(outPath), slurp(errPath)};
}

}  // namespace nimbra::testing
