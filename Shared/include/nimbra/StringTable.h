#pragma once
// A deliverable's localised texts: one JSON object of key -> text per locale,
// English always loaded as the base. A missing key yields the key itself.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

namespace nimbra {

class StringTable {
 public:
  StringTable() = default;
  // Loads "<dir>/en.json", then overlays the first of `languages` (e.g. "de_DE",
  // "de") that has a table. Unreadable or missing tables are skipped.
  static StringTable load(const std::filesystem::path& dir, std::span<const std::string> languages);
  static StringTable fromEntries(std::unordered_map<std::string, std::string> entries);

  std::string text(std::string_view key) const;
  std::size_t size() const { return texts_.size(); }

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
  };
  std::unordered_map<std::string, std::string, Hash, std::equal_to<>> texts_;
};

}  // namespace nimbra
