#pragma once
// What the terminal offers a pick: no file manager in front (so no rename), a
// failure reported by the exit status, and log lines echoed on stderr.

#include <atomic>
#include <memory>
#include <mutex>

#include "nimbra/extension/HostServices.h"
#include "nimbra/platform/SystemLog.h"

namespace nimbra::cli {

class CommandLineHost final : public extension::HostServices {
 public:
  bool failed() const { return failed_; }

  void beep() override { failed_ = true; }
  bool mayPressKeys() override { return false; }
  void askToPressKeys() override {}
  bool fileManagerIsFrontmost() override { return false; }
  std::vector<std::filesystem::path> selectedItems() override { return {}; }
  void pressRename() override {}

 private:
  std::atomic<bool> failed_{false};
};

// The journal, plus error lines (and with `verbose` info lines) on stderr as their text.
class EchoingLog final : public platform::SystemLog {
 public:
  EchoingLog(std::shared_ptr<platform::SystemLog> journal, bool verbose) : journal_(std::move(journal)), verbose_(verbose) {}
  void info(std::string_view message) override;
  void error(std::string_view message) override;

 private:
  void echo(std::string_view message);

  std::shared_ptr<platform::SystemLog> journal_;
  bool verbose_;
  std::mutex mutex_;
};

}  // namespace nimbra::cli
