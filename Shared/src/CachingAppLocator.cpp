#include "nimbra/CachingAppLocator.h"

#include "nimbra/NewItem.h"

namespace nimbra {

ContentTypeOpeners::ContentTypeOpeners(std::shared_ptr<const platform::ContentTypes> types,
                                       std::shared_ptr<const platform::Workspace> workspace, LookupOptions options)
    : cache_(std::make_shared<LookupCache<bool>>(
          [types = std::move(types), workspace = std::move(workspace)](std::string_view ext) {
            const auto type = NewItem::documentType(ext, *types);
            return type && workspace->hasApplicationsOpening(*type);
          },
          std::move(options))) {}

bool ContentTypeOpeners::canOpen(const NewItem& item) const { return cache_->value(item.ext, false); }

}  // namespace nimbra
