#include "nimbra/CachingAppLocator.h"

#include "nimbra/NewItem.h"

namespace nimbra {

bool ContentTypeOpeners::canOpen(const NewItem& item) const {
  const auto type = item.contentType(*types_);
  if (!type) return false;
  return cache_->value(*type, [&](std::string_view t) { return workspace_->hasApplicationsOpening(t); });
}

}  // namespace nimbra
