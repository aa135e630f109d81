#pragma once
// Passes every operation to real file operations, records the names of the changing
// ones, and lets a test make a chosen operation fail as the file system would.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "nimbra/platform/Failure.h"
#include "nimbra/platform/FileOperations.h"

namespace nimbra::testing {

class RecordingFileOperations final : public platform::FileOperations {
 public:
  using Path = std::filesystem::path;

  explicit RecordingFileOperations(platform::FileOperations& real) : real_(real) {}

  std::vector<std::string> operations;  // "createFile", "copyItem", ...
  // Returns an errno to fail the named operation with it instead of passing it on.
  std::function<std::optional<int>(const std::string& operation)> fault;

  bool exists(const Path& p) const override { return real_.exists(p); }
  bool isDirectory(const Path& p) const override { return real_.isDirectory(p); }
  bool isPackage(const Path& p) const override { return real_.isPackage(p); }
  Path canonicalPath(const Path& p) const override { return real_.canonicalPath(p); }

  void createFile(const Path& p, std::span<const std::byte> bytes) override {
    pass("createFile", Op::createFile, p, {}, [&] { real_.createFile(p, bytes); });
  }
  void createDirectory(const Path& p) override { pass("createDirectory", Op::createFolder, p, {}, [&] { real_.createDirectory(p); }); }
  void createSymbolicLink(const Path& p, const Path& to) override {
    pass("createSymbolicLink", Op::createFile, p, {}, [&] { real_.createSymbolicLink(p, to); });
  }
  void setPermissions(const Path& p, std::filesystem::perms perms) override {
    pass("setPermissions", Op::changeAttributes, p, {}, [&] { real_.setPermissions(p, perms); });
  }
  void copyItem(const Path& from, const Path& to) override { pass("copyItem", Op::copy, from, to, [&] { real_.copyItem(from, to); }); }
  void moveItem(const Path& from, const Path& to) override { pass("moveItem", Op::move, from, to, [&] { real_.moveItem(from, to); }); }
  void removeItem(const Path& p) override { pass("removeItem", Op::remove, p, {}, [&] { real_.removeItem(p); }); }
  Path makeScratchFolder(const Path& near) override {
    return pass("makeScratchFolder", Op::createFolder, near, {}, [&] { return real_.makeScratchFolder(near); });
  }

 private:
  using Op = platform::Operation;

  template <typename Real>
  auto pass(const std::string& operation, Op kind, const Path& path, const Path& other, Real real) -> decltype(real()) {
    operations.push_back(operation);
    if (const auto error = fault ? fault(operation) : std::nullopt) platform::fail(kind, *error, path, other);
    return real();
  }

  platform::FileOperations& real_;
};

}  // namespace nimbra::testing
