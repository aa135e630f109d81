#include "nimbra/CachingAppLocator.h"

#include "nimbra/NewItem.h"

namespace nimbra {

bool ContentTypeOpeners::canOpen(const NewItem& item) const {
  const auto type = item.contentType(*types_);
  if (!type) return false;
  return cache_->value(*type, [workspace = workspace_](std::string_view t) { return workspace->hasApplicationsOpening(t); },
                       false);
}

}  // namespace nimbra
