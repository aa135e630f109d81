#include "nimbra/platform/GioContentTypes.h"

#include <gio/gio.h>

#include <memory>
#include <mutex>
#include <unordered_map>

namespace nimbra::platform {
namespace {

constexpr const char* kGenericData = "application/octet-stream";

struct GFree {
  void operator()(gchar* p) const { g_free(p); }
};
using GString = std::unique_ptr<gchar, GFree>;

class GioContentTypes final : public ContentTypes {
 public:
  // The MIME database is loaded once per process, so answers never change: remember them,
  // which keeps GIO's glob matching off the menu path after the first request.
  std::optional<std::string> typeForExtension(std::string_view ext) const override {
    std::lock_guard lock(mutex_);
    auto it = known_.find(ext);
    if (it == known_.end()) it = known_.emplace(std::string(ext), guess(ext)).first;
    return it->second;
  }

  bool conformsToData(std::string_view type) const override {
    std::lock_guard lock(mutex_);
    auto it = conforming_.find(type);
    if (it == conforming_.end()) {
      const std::string key(type);
      it = conforming_.emplace(key, g_content_type_is_a(key.c_str(), kGenericData) != FALSE).first;
    }
    return it->second;
  }

  std::string folderType() const override { return "inode/directory"; }
  std::string aliasType() const override { return "inode/symlink"; }
  std::string plainTextType() const override { return "text/plain"; }

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
  };

  static std::optional<std::string> guess(std::string_view ext) {
    if (ext.empty()) return std::nullopt;
    const std::string name = "x." + std::string(ext);
    gboolean uncertain = FALSE;
    GString type(g_content_type_guess(name.c_str(), nullptr, 0, &uncertain));
    if (!type) return std::nullopt;
    // With no glob match GIO falls back to generic data, flagged uncertain.
    if (uncertain && g_strcmp0(type.get(), kGenericData) == 0) return std::nullopt;
    return std::string(type.get());
  }

  mutable std::mutex mutex_;
  mutable std::unordered_map<std::string, std::optional<std::string>, Hash, std::equal_to<>> known_;
  mutable std::unordered_map<std::string, bool, Hash, std::equal_to<>> conforming_;
};

}  // namespace

std::shared_ptr<const ContentTypes> systemContentTypes() {
  static const auto types = std::make_shared<const GioContentTypes>();
  return types;
}

}  // namespace nimbra::platform
