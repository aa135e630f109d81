#pragma once
// A file manager that records what it was asked to reveal.

#include <mutex>
#include <vector>

#include "nimbra/platform/FileManager.h"

namespace nimbra::testing {

class FakeFileManager final : public platform::FileManager {
 public:
  void reveal(const std::filesystem::path& item) override {
    std::lock_guard lock(mutex_);
    revealed_.push_back(item);
  }

  // Every item revealed, in order.
  std::vector<std::filesystem::path> revealed() const {
    std::lock_guard lock(mutex_);
    return revealed_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::filesystem::path> revealed_;
};

}  // namespace nimbra::testing
