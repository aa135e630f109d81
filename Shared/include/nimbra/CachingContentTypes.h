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
  using TypeCache = LookupCache<std::optional<std::string>>;
  using DataCache = LookupCache<bool>;

  CachingContentTypes(std::shared_ptr<const platform::ContentTypes> base, std::shared_ptr<TypeCache> types,
                      std::shared_ptr<DataCache> conforming)
      : base_(std::move(base)), types_(std::move(types)), conforming_(std::move(conforming)) {}

  // A type not known yet counts as none.
  std::optional<std::string> typeForExtension(std::string_view ext) const override {
    return types_->value(ext, [base = base_](std::string_view e) { return base->typeForExtension(e); });
  }
  // A type not known yet counts as data.
  bool conformsToData(std::string_view type) const override {
    return conforming_->value(type, [base = base_](std::string_view t) { return base->conformsToData(t); }, true);
  }
  std::string folderType() const override { return base_->folderType(); }
  std::string aliasType() const override { return base_->aliasType(); }
  std::string plainTextType() const override { return base_->plainTextType(); }

 private:
  std::shared_ptr<const platform::ContentTypes> base_;
  std::shared_ptr<TypeCache> types_;
  std::shared_ptr<DataCache> conforming_;
};

}  // namespace nimbra
