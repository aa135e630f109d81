#include "nimbra/platform/linux/GioContentTypes.h"

#include "nimbra/platform/linux/GioSupport.h"

#include <chrono>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace nimbra::platform {
namespace {

constexpr const char* kGenericData = "application/octet-stream";


// Answers remembered for a minute, keeping GIO's glob matching off the menu path; GIO
// reloads the MIME database when it changes, so a newly installed type shows up.
// The lock guards one map access at a time, never a GIO call.
template <class Value>
class Memo {
 public:
  template <class Compute>
  Value value(std::string_view key, Compute compute) {
    const auto now = std::chrono::steady_clock::now();
    {
      std::lock_guard lock(mutex_);
      const auto it = entries_.find(key);
      if (it != entries_.end() && now - it->second.second < kLifetime) return it->second.first;
    }
    Value answer = compute();
    std::lock_guard lock(mutex_);
    entries_.insert_or_assign(std::string(key), std::pair(answer, now));
    return answer;
  }

 private:
  static constexpr std::chrono::seconds kLifetime{60};
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
  };
  std::mutex mutex_;
  std::unordered_map<std::string, std::pair<Value, std::chrono::steady_clock::time_point>, Hash, std::equal_to<>>
      entries_;
};

class GioContentTypes final : public ContentTypes {
 public:
  std::optional<std::string> typeForExtension(std::string_view ext) const override {
    return types_.value(ext, [&] { return guess(ext); });
  }

  bool conformsToData(std::string_view type) const override {
    return conforming_.value(type, [&] { return g_content_type_is_a(std::string(type).c_str(), kGenericData) != FALSE; });
  }

  std::string folderType() const override { return "inode/directory"; }
  std::string aliasType() const override { return "inode/symlink"; }
  std::string plainTextType() const override { return "text/plain"; }

 private:
  static std::optional<std::string> guess(std::string_view ext) {
    if (ext.empty()) return std::nullopt;
    const std::string name = "x." + std::string(ext);
    gboolean uncertain = FALSE;
    GCharPtr type(g_content_type_guess(name.c_str(), nullptr, 0, &uncertain));
    if (!type) return std::nullopt;
    // With no glob match GIO falls back to generic data, flagged uncertain.
    if (uncertain && g_strcmp0(type.get(), kGenericData) == 0) return std::nullopt;
    return std::string(type.get());
  }

  mutable Memo<std::optional<std::string>> types_;
  mutable Memo<bool> conforming_;
};

}  // namespace

std::shared_ptr<const ContentTypes> systemContentTypes() {
  static const auto types = std::make_shared<const GioContentTypes>();
  return types;
}

}  // namespace nimbra::platform
