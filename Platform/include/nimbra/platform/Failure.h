#pragma once
// How the platform's operations fail: one typed error saying what was being done,
// to which item, and the system's own code. It holds no text for people: each
// deliverable turns it into words in one place, and logs take what() for the details.
//
// Queries never fail (they answer "no" or "nothing"). Fire-and-forget services (a
// reveal, a notification) log what went wrong instead, as nobody waits for them.

#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

namespace nimbra::platform {

enum class Operation : std::uint8_t {
  read,              // a file, a folder, a link or an item's attributes
  createFile,        // a file (its contents included), a link or a node
  createFolder,
  changeAttributes,  // permissions or times
  copy,
  move,
  remove,
  openSettings,
  storeSetting,
  launch,            // an application or a program
};

class Failure : public std::system_error {
 public:
  // `other` is the second item (where a copy or move goes); `detail` the system's own
  // message where the code alone does not say it (GIO's, SQLite's).
  Failure(Operation operation, std::error_code code, std::filesystem::path path, std::filesystem::path other = {},
          std::string detail = {})
      : std::system_error(code),
        operation_(operation),
        path_(std::move(path)),
        other_(std::move(other)),
        description_(std::string(verb(operation)) + " " + path_.string() + (other_.empty() ? "" : " to " + other_.string()) +
                     ": " + (detail.empty() ? code.message() : std::move(detail))) {}

  Operation operation() const { return operation_; }
  // The item the operation was on, and the second one (empty for none).
  const std::filesystem::path& path() const { return path_; }
  const std::filesystem::path& other() const { return other_; }
  // "copy /a/report.pdf to /b/report.pdf: No space left on device"
  const char* what() const noexcept override { return description_.c_str(); }

  static const char* verb(Operation operation) {
    switch (operation) {
      case Operation::read: return "read";
      case Operation::createFile: return "create";
      case Operation::createFolder: return "create folder";
      case Operation::changeAttributes: return "change attributes of";
      case Operation::copy: return "copy";
      case Operation::move: return "move";
      case Operation::remove: return "remove";
      case Operation::openSettings: return "open settings";
      case Operation::storeSetting: return "store setting in";
      case Operation::launch: return "launch";
    }
    return "use";
  }

 private:
  Operation operation_;
  std::filesystem::path path_;
  std::filesystem::path other_;
  std::string description_;
};

// Throws the Failure for an errno value.
[[noreturn]] inline void fail(Operation operation, int error, const std::filesystem::path& path,
                              const std::filesystem::path& other = {}) {
  throw Failure(operation, std::error_code(error, std::generic_category()), path, other);
}

}  // namespace nimbra::platform
