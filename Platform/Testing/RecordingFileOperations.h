#pragma once
// Passes every operation to real file operations, records the changing ones, and
// lets a test make a chosen operation fail as the file system would.

#include <cerrno>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "nimbra/platform/FileOperations.h"

namespace nimbra::testing {

class RecordingFileOperations final : public platform::FileOperations {
 public:
  struct Call {
    std::string operation;  // "createFile", "copyItem", ...
    std::filesystem::path path;
    std::filesystem::path other;  // the destination of a copy or move, the target of a link
    bool operator==(const Call&) const = default;
  };

  explicit RecordingFileOperations(platform::FileOperations& real) : real_(real) {}

  std::vector<Call> calls;
  // Returns an errno to fail the call with it instead of passing it on.
  std::function<std::optional<int>(const Call&)> fault;

  bool exists(const std::filesystem::path& p) const override { return real_.exists(p); }
  bool isDirectory(const std::filesystem::path& p) const override { return real_.isDirectory(p); }
  bool isPackage(const std::filesystem::path& p) const override { return real_.isPackage(p); }
  std::filesystem::path canonicalPath(const std::filesystem::path& p) const override { return real_.canonicalPath(p); }

  void createFile(const std::filesystem::path& p, std::span<const std::byte> contents) override {
    record({"createFile", p, {}});
    real_.createFile(p, contents);
  }
  void createDirectory(const std::filesystem::path& p) override {
    record({"createDirectory", p, {}});
    real_.createDirectory(p);
  }
  void createSymbolicLink(const std::filesystem::path& p, const std::filesystem::path& target) override {
    record({"createSymbolicLink", p, target});
    real_.createSymbolicLink(p, target);
  }
  void setPermissions(const std::filesystem::path& p, std::filesystem::perms permissions) override {
    record({"setPermissions", p, {}});
    real_.setPermissions(p, permissions);
  }
  void copyItem(const std::filesystem::path& from, const std::filesystem::path& to) override {
    record({"copyItem", from, to});
    real_.copyItem(from, to);
  }
  void moveItem(const std::filesystem::path& from, const std::filesystem::path& to) override {
    record({"moveItem", from, to});
    real_.moveItem(from, to);
  }
  void removeItem(const std::filesystem::path& p) override {
    record({"removeItem", p, {}});
    real_.removeItem(p);
  }
  std::filesystem::path makeScratchFolder(const std::filesystem::path& near) override {
    record({"makeScratchFolder", near, {}});
    return real_.makeScratchFolder(near);
  }

  std::vector<std::string> operations() const {
    std::vector<std::string> names;
    for (const auto& c : calls) names.push_back(c.operation);
    return names;
  }

 private:
  void record(Call call) {
    calls.push_back(call);
    if (!fault) return;
    if (const auto error = fault(call)) {
      throw std::filesystem::filesystem_error(call.operation, call.path,
                                              std::error_code(*error, std::generic_category()));
    }
  }

  platform::FileOperations& real_;
};

}  // namespace nimbra::testing
