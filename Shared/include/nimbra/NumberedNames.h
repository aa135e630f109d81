#pragma once
// Free names for new, copied, moved and zipped items: "Untitled.txt", then
// "Untitled 2.txt", "Untitled 3.txt" and so on, until nothing is in the way.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace nimbra {

namespace platform { class FileOperations; }

// The longest name Linux's file systems take, in bytes.
inline constexpr std::size_t kMaxNameBytes = 255;

// Candidate n (counting from 1) for a base name and an extension without its dot:
// "B.E", "B n.E"; "B", "B n" without extension; ".E", ".E n" without base name. The
// base is shortened, at a character boundary, as far as the name must to fit in
// kMaxNameBytes.
std::string numberedName(std::string_view base, std::string_view ext, std::uint64_t n);

// `base` without a trailing "." + `ext` in any letter case, so that "Notes.TXT" with
// "txt" does not become "Notes.TXT.txt". Unchanged when `ext` is empty.
std::string withoutExtensionSuffix(std::string_view base, std::string_view ext);

// A file name split at its extension: "report.pdf" gives "report" and "pdf". A name
// that starts or ends with its only dot (".env", "notes.") has no extension.
struct NameParts {
  std::string base;
  std::string ext;
  bool operator==(const NameParts&) const = default;
};
NameParts splitExtension(std::string_view fileName);

// The item's own name, also when the location ends in a separator ("/a/Photos/").
std::string lastComponent(const std::filesystem::path& location);

// The first candidate name in `folder` (n = 1, 2, ...) for which `exists` says no.
// There is no upper bound. Checking and creating are separate steps, so the caller
// must create the item exclusively.
std::filesystem::path freeName(const std::filesystem::path& folder, std::string_view base, std::string_view ext,
                               const std::function<bool(const std::filesystem::path&)>& exists);
// The same, asking the file system whether a name is taken.
std::filesystem::path freeName(const std::filesystem::path& folder, std::string_view base, std::string_view ext,
                               const platform::FileOperations& files);

}  // namespace nimbra
