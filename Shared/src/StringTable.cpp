#include "nimbra/StringTable.h"

#include <fstream>
#include <nlohmann/json.hpp>

namespace nimbra {
namespace {

template <class Map>
bool overlay(const std::filesystem::path& file, Map& texts) {
  std::ifstream in(file);
  if (!in) return false;
  const auto json = nlohmann::json::parse(in, nullptr, /*allow_exceptions=*/false);
  if (!json.is_object()) return false;
  for (const auto& [key, value] : json.items()) {
    if (value.is_string()) texts.insert_or_assign(key, value.template get<std::string>());
  }
  return true;
}

}  // namespace

StringTable StringTable::load(const std::filesystem::path& dir, std::span<const std::string> languages) {
  StringTable table;
  overlay(dir / "en.json", table.texts_);
  for (const auto& language : languages) {
    if (language == "en" || language.starts_with("en_")) break;
    if (overlay(dir / (language + ".json"), table.texts_)) break;
  }
  return table;
}

StringTable StringTable::fromEntries(std::unordered_map<std::string, std::string> entries) {
  StringTable table;
  for (auto& [key, value] : entries) table.texts_.emplace(key, std::move(value));
  return table;
}

std::string StringTable::text(std::string_view key) const {
  const auto it = texts_.find(key);
  return it != texts_.end() ? it->second : std::string(key);
}

}  // namespace nimbra
