#include "nimbra/CachingAppLocator.h"

#include "nimbra/NewItem.h"

namespace nimbra {

ContentTypeOpeners::ContentTypeOpeners(std::shared_ptr<const platform::ContentTypes> types,
                                       std::shared_ptr<const platform::Workspace> workspace, LookupOptions options)
    : types_(std::move(types)),
      cache_(std::make_shared<LookupCache<bool>>(
          [workspace = std::move(workspace)](std::string_view type) { return workspace->hasApplicationsOpening(type); },
          std::move(options))) {}

bool ContentTypeOpeners::canOpen(const NewItem& item) const {
  const auto type = item.contentType(*types_);
  if (!type) return false;
  return cache_->value(*type, false);
}

}  // namespace nimbra
