#pragma once
// Carries out a "New" entry: makes the new file or folder in a folder under a name
// that collides with nothing there, and returns where it is.

#include <array>
#include <chrono>
#include <cstddef>
#include <exception>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "nimbra/NewItem.h"
#include "nimbra/NumberedNames.h"

namespace nimbra {
class StringTable;
namespace platform { class FileOperations; }
}  // namespace nimbra

namespace nimbra::extension::NewItemCreator {

struct CreatorError : std::exception {
  // The entry's template is not in the templates folder.
  struct MissingTemplate {
    std::string resource;
    bool operator==(const MissingTemplate&) const = default;
  };
  // An alias needs a target the user chooses; it is not made here.
  struct NeedsTarget {
    bool operator==(const NeedsTarget&) const = default;
  };
  // A base name, extension or resource name from the settings that would name
  // something else than one new item in the folder: it holds "/" or a NUL byte, makes
  // the name "." or "..", or leaves the templates folder. `text` is the offending text.
  struct UnsafeName {
    std::string text;
    bool operator==(const UnsafeName&) const = default;
  };
  using Case = std::variant<MissingTemplate, NeedsTarget, UnsafeName>;

  Case value;

  explicit CreatorError(Case c);
  static CreatorError missingTemplate(std::string resource) { return CreatorError(MissingTemplate{std::move(resource)}); }
  static CreatorError needsTarget() { return CreatorError(NeedsTarget{}); }
  static CreatorError unsafeName(std::string text) { return CreatorError(UnsafeName{std::move(text)}); }

  // A line for the log, e.g. "missing template blank.pages".
  const std::string& describe() const { return description_; }
  const char* what() const noexcept override { return description_.c_str(); }
  bool operator==(const CreatorError& other) const { return value == other.value; }

 private:
  std::string description_;
};

// What creating needs besides the entry: the texts its default base name comes from,
// the templates folder (absent when the resources are not installed) and the file
// system.
struct Context {
  const StringTable& strings;
  std::optional<std::filesystem::path> templatesFolder;
  platform::FileOperations& files;
};


// Creates the entry's item in `folder` and returns its location. `now` names dated
// folders, in the user's local calendar. Throws CreatorError, or the file system's
// own error unchanged; nothing is left behind on failure.
std::filesystem::path create(const NewItem& item, const std::filesystem::path& folder,
                             std::chrono::system_clock::time_point now, const Context& context);

// Where the named template lives; nothing when it is absent or the name would reach
// outside the templates folder.
std::optional<std::filesystem::path> templateURL(std::string_view resource,
                                                 const std::optional<std::filesystem::path>& templatesFolder);

// "2025-03-07": the date's year, month and day in the user's local calendar.
std::string datedFolderName(std::chrono::system_clock::time_point date);

using nimbra::numberedName;

// The 22-byte end-of-central-directory record of a ZIP archive without entries.
std::span<const std::byte> emptyZipData();

}  // namespace nimbra::extension::NewItemCreator
