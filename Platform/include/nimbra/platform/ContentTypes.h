#pragma once
// Uniform content types as the core needs them. Identifiers are opaque strings
// (MIME types on Linux); the platform layer answers.

#include <optional>
#include <string>
#include <string_view>

namespace nimbra::platform {

class ContentTypes {
 public:
  virtual ~ContentTypes() = default;
  // The type a file-name extension maps to, or nothing when the platform knows none.
  virtual std::optional<std::string> typeForExtension(std::string_view ext) const = 0;
  virtual bool conformsToData(std::string_view type) const = 0;
  virtual std::string folderType() const = 0;
  virtual std::string aliasType() const = 0;
  virtual std::string plainTextType() const = 0;
};

}  // namespace nimbra::platform
