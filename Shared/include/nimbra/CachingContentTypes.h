#pragma once
// Content types with the platform's answers remembered for a minute, so that the
// menus never wait for the type database. Copies share the caches.

#include <memory>
#include <optional>
#include <string>

#include "nimbra/LookupCache.h"
#include "nimbra/platform/ContentTypes.h"

namespace nimbra {

class CachingContentTypes final : public platform::ContentTypes {
 public:
  explicit CachingContentTypes(std::shared_ptr<const platform::ContentTypes> base, const LookupOptions& options = {})
      : base_(std::move(base)),
        types_(std::make_shared<LookupCache<std::optional<std::string>>>(
            [base = base_](std::string_view ext) { return base->typeForExtension(ext); }, options)),
        conforming_(std::make_shared<LookupCache<bool>>(
            [base = base_](std::string_view type) { return base->conformsToData(type); }, options)) {}

  // A type not looked up yet counts as none.
  std::optional<std::string> typeForExtension(std::string_view ext) const override { return types_->value(ext); }
  // A type not looked up yet counts as data.
  bool conformsToData(std::string_view type) const override { return conforming_->value(type, true); }
  std::string folderType() const override { return base_->folderType(); }
  std::string aliasType() const override { return base_->aliasType(); }
  std::string plainTextType() const override { return base_->plainTextType(); }

 private:
  std::shared_ptr<const platform::ContentTypes> base_;
  std::shared_ptr<LookupCache<std::optional<std::string>>> types_;
  std::shared_ptr<LookupCache<bool>> conforming_;
};

}  // namespace nimbra
