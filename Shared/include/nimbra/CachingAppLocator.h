#pragma once
// The locator the menus use: platform answers remembered for a minute, so
// right-clicks do not reach the platform. Copies share one cache.

#include <memory>

#include "nimbra/AppLocating.h"
#include "nimbra/LookupCache.h"

namespace nimbra {

struct NewItem;
namespace platform { class ContentTypes; }

class CachingAppLocator final : public AppLocating {
 public:
  using Cache = LookupCache<std::optional<AppLocation>>;

  CachingAppLocator(std::shared_ptr<const AppLocating> base, std::shared_ptr<Cache> cache)
      : base_(std::move(base)), cache_(std::move(cache)) {}

  std::optional<AppLocation> applicationURL(std::string_view bundleID) const override {
    return cache_->value(bundleID, [base = base_](std::string_view id) { return base->applicationURL(id); });
  }

 private:
  std::shared_ptr<const AppLocating> base_;
  std::shared_ptr<Cache> cache_;
};

// Whether some installed application opens an item's content type, remembered
// per type for a minute. Items without a content type are not openable and
// leave the cache alone; a type not yet known counts as not openable.
class ContentTypeOpeners {
 public:
  using Cache = LookupCache<bool>;

  ContentTypeOpeners(std::shared_ptr<const platform::ContentTypes> types,
                     std::shared_ptr<const platform::Workspace> workspace, std::shared_ptr<Cache> cache)
      : types_(std::move(types)), workspace_(std::move(workspace)), cache_(std::move(cache)) {}

  bool canOpen(const NewItem& item) const;

 private:
  std::shared_ptr<const platform::ContentTypes> types_;
  std::shared_ptr<const platform::Workspace> workspace_;
  std::shared_ptr<Cache> cache_;
};

}  // namespace nimbra
