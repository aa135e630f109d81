#include "nimbra/platform/linux/GioContentTypes.h"

#include "nimbra/platform/linux/GioSupport.h"

#include <memory>

namespace nimbra::platform {
namespace {

constexpr const char* kGenericData = "application/octet-stream";

class GioContentTypes final : public ContentTypes {
 public:
  std::optional<std::string> typeForExtension(std::string_view ext) const override {
    if (ext.empty()) return std::nullopt;
    const std::string name = "x." + std::string(ext);
    gboolean uncertain = FALSE;
    GCharPtr type(g_content_type_guess(name.c_str(), nullptr, 0, &uncertain));
    if (!type) return std::nullopt;
    // With no glob match GIO falls back to generic data, flagged uncertain.
    if (uncertain && g_strcmp0(type.get(), kGenericData) == 0) return std::nullopt;
    return std::string(type.get());
  }

  bool conformsToData(std::string_view type) const override {
    return g_content_type_is_a(std::string(type).c_str(), kGenericData) != FALSE;
  }

  std::string folderType() const override { return "inode/directory"; }
  std::string aliasType() const override { return "inode/symlink"; }
  std::string plainTextType() const override { return "text/plain"; }
};

}  // namespace

std::shared_ptr<const ContentTypes> systemContentTypes() {
  static const auto types = std::make_shared<const GioContentTypes>();
  return types;
}

}  // namespace nimbra::platform
