// nimbra-zip: writes a ZIP archive of a folder's contents; the zipper runs it as its
// archiver. Exit status 0 on success; 1 with a message on stderr when archiving fails
// (no archive is left behind); 2 with the usage on stderr for a malformed command line.

#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "Arguments.h"
#include "ZipError.h"
#include "ZipWriter.h"

namespace {

using nimbra::ziptool::ZipError;

// An interrupted run must not leave a partial archive behind either.
char gArchivePath[PATH_MAX];
volatile sig_atomic_t gArchiveCreated = 0;
constexpr int kInterruptions[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void removeArchiveAndDie(int signal) {
  if (gArchiveCreated) ::unlink(gArchivePath);
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

sigset_t interruptions() {
  sigset_t set;
  sigemptyset(&set);
  for (const int signal : kInterruptions) sigaddset(&set, signal);
  return set;
}

std::string describe(const ZipError& error) {
  const std::string reason = error.code != 0 ? std::strerror(error.code) : error.detail;
  switch (error.kind) {
    case ZipError::Kind::createArchive:
      return "cannot create archive '" + error.path + "': " + reason;
    case ZipError::Kind::openItem:
      return "cannot open '" + error.path + "': " + reason;
    case ZipError::Kind::readItem:
      return "cannot read '" + error.path + "': " + reason;
    case ZipError::Kind::itemChanged:
      return "'" + error.path + "' changed while it was being archived";
    case ZipError::Kind::writeArchive:
      return "cannot write archive '" + error.path + "': " + reason;
  }
  return "failed: " + error.path;
}

int run(const nimbra::ziptool::Arguments& args) {
  for (const int signal : kInterruptions) ::signal(signal, removeArchiveAndDie);
  // Past a file-size limit, writing fails with EFBIG and the archive is cleaned up,
  // rather than the process being killed with the partial file in place.
  ::signal(SIGXFSZ, SIG_IGN);

  // The handler may remove the destination only once this process has created it.
  const sigset_t blocked = interruptions();
  sigprocmask(SIG_BLOCK, &blocked, nullptr);
  std::unique_ptr<nimbra::ziptool::ZipWriter> writer;
  try {
    writer = std::make_unique<nimbra::ziptool::ZipWriter>(args.destination);
  } catch (...) {
    sigprocmask(SIG_UNBLOCK, &blocked, nullptr);
    throw;
  }
  if (args.destination.size() < sizeof gArchivePath) {
    std::memcpy(gArchivePath, args.destination.c_str(), args.destination.size() + 1);
    gArchiveCreated = 1;
  }
  sigprocmask(SIG_UNBLOCK, &blocked, nullptr);

  try {
    writer->addContents(args.source);
    writer->finish();
  } catch (...) {
    writer.reset();  // removes the partial archive
    gArchiveCreated = 0;
    throw;
  }
  gArchiveCreated = 0;
  for (const auto& path : writer->summary().skipped) {
    std::fprintf(stderr, "nimbra-zip: skipped '%s': not a file, folder or symbolic link\n", path.c_str());
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> raw(argv + 1, argv + argc);
  const auto args = nimbra::ziptool::parseArguments(raw);
  if (!args) {
    std::fputs(nimbra::ziptool::kUsage, stderr);
    return 2;
  }
  try {
    return run(*args);
  } catch (const ZipError& error) {
    std::fprintf(stderr, "nimbra-zip: %s\n", describe(error).c_str());
  } catch (const std::bad_alloc&) {
    std::fputs("nimbra-zip: out of memory\n", stderr);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "nimbra-zip: %s\n", error.what());
  }
  return 1;
}
