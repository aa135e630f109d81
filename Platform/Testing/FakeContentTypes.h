#pragma once
// In-memory content types: a fixed extension table.

#include <map>
#include <set>
#include <string>

#include "nimbra/platform/ContentTypes.h"

namespace nimbra::testing {

class FakeContentTypes final : public platform::ContentTypes {
 public:
  std::map<std::string, std::string, std::less<>> byExtension = {
      {"txt", "text/plain"}, {"md", "text/markdown"}, {"docx", "application/vnd.openxmlformats-officedocument.wordprocessingml.document"},
      {"xlsx", "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet"}};
  std::set<std::string, std::less<>> notData;  // types that do not conform to generic data

  std::optional<std::string> typeForExtension(std::string_view ext) const override {
    const auto it = byExtension.find(ext);
    if (it == byExtension.end()) return std::nullopt;
    return it->second;
  }
  bool conformsToData(std::string_view type) const override { return !notData.contains(type); }
  std::string folderType() const override { return "inode/directory"; }
  std::string aliasType() const override { return "inode/symlink"; }
  std::string plainTextType() const override { return "text/plain"; }
};

}  // namespace nimbra::testing
