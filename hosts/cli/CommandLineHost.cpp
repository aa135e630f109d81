#include "CommandLineHost.h"

#include <cstdio>

namespace nimbra::cli {

void EchoingLog::info(std::string_view message) {
  journal_->info(message);
  if (verbose_) echo(message);
}

void EchoingLog::error(std::string_view message) {
  journal_->error(message);
  echo(message);
}

void EchoingLog::echo(std::string_view message) {
  std::lock_guard lock(mutex_);
  std::fwrite(message.data(), 1, message.size(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
}

}  // namespace nimbra::cli
