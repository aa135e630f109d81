#include "nimbra/NumberedNames.h"

#include <algorithm>
#include <vector>

#include "nimbra/Text.h"
#include "nimbra/platform/FileOperations.h"

namespace nimbra {
namespace {

struct Scalar {
  char32_t value;
  std::size_t begin;  // byte offset in the source text
};

// UTF-8 to scalars; a malformed byte stands for itself so that it only matches itself.
std::vector<Scalar> decode(std::string_view s) {
  std::vector<Scalar> result;
  for (std::size_t i = 0; i < s.size();) {
    const auto sequence = text::decodeUtf8(s, i);
    if (sequence.length == 0) {
      // Lone surrogates never occur in valid text.
      result.push_back({0xDC00u + static_cast<unsigned char>(s[i]), i});
      ++i;
      continue;
    }
    result.push_back({sequence.value, i});
    i += sequence.length;
  }
  return result;
}

// Simple lower-case mapping for the scripts file extensions are written in.
char32_t lower(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c < 0xC0) return c;
  if (c <= 0xDE) return c == 0xD7 ? c : c + 0x20;                      // Latin-1
  if (c >= 0x100 && c <= 0x137) return c | 1;                          // Latin Extended-A, even upper
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c + 1 : c;
  if (c >= 0x14A && c <= 0x177) return c | 1;
  if (c == 0x178) return 0xFF;
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;         // Greek
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;                       // Cyrillic
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  return c;
}

}  // namespace

std::string numberedName(std::string_view base, std::string_view ext, std::uint64_t n) {
  const std::string number = n >= 2 ? " " + std::to_string(n) : std::string();
  // A name longer than the file systems allow could never be made: the base gives way,
  // whole characters from its end, so the number and the extension still fit.
  const std::size_t room = kMaxNameBytes - std::min(kMaxNameBytes - 1, number.size() + (ext.empty() ? 0 : ext.size() + 1));
  if (base.size() > room) {
    std::size_t cut = room;
    // Not inside a character: a UTF-8 sequence has at most three continuation bytes.
    for (int i = 0; i < 3 && cut > 0 && (static_cast<unsigned char>(base[cut]) & 0xC0) == 0x80; ++i) --cut;
    base = base.substr(0, cut);
  }
  if (base.empty()) return "." + std::string(ext) + number;
  if (ext.empty()) return std::string(base) + number;
  return std::string(base) + number + "." + std::string(ext);
}

std::string withoutExtensionSuffix(std::string_view base, std::string_view ext) {
  if (ext.empty()) return std::string(base);
  const auto b = decode(base);
  const auto suffix = decode("." + std::string(ext));
  if (suffix.size() > b.size()) return std::string(base);
  const std::size_t start = b.size() - suffix.size();
  for (std::size_t k = 0; k < suffix.size(); ++k) {
    if (lower(b[start + k].value) != lower(suffix[k].value)) return std::string(base);
  }
  return std::string(base.substr(0, b[start].begin));
}

NameParts splitExtension(std::string_view fileName) {
  const auto dot = fileName.rfind('.');
  if (dot == std::string_view::npos || dot == 0 || dot + 1 == fileName.size()) return {std::string(fileName), ""};
  return {std::string(fileName.substr(0, dot)), std::string(fileName.substr(dot + 1))};
}

std::string lastComponent(const std::filesystem::path& location) {
  auto path = location.lexically_normal();
  if (!path.has_filename() && path.has_relative_path()) path = path.parent_path();
  return path.filename().string();
}

std::filesystem::path freeName(const std::filesystem::path& folder, std::string_view base, std::string_view ext,
                               const std::function<bool(const std::filesystem::path&)>& exists) {
  for (std::uint64_t n = 1;; ++n) {
    auto candidate = folder / numberedName(base, ext, n);
    if (!exists(candidate)) return candidate;
  }
}

std::filesystem::path freeName(const std::filesystem::path& folder, std::string_view base, std::string_view ext,
                               const platform::FileOperations& files) {
  return freeName(folder, base, ext, [&files](const std::filesystem::path& candidate) { return files.exists(candidate); });
}

}  // namespace nimbra
