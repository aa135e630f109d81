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
  explicit CachingAppLocator(std::shared_ptr<const AppLocating> base, LookupOptions options = {})
      : cache_(std::make_shared<Cache>([base = std::move(base)](std::string_view id) { return base->applicationURL(id); },
                                       std::move(options))) {}

  // An application not looked up yet counts as not installed.
  std::optional<AppLocation> applicationURL(std::string_view bundleID) const override { return cache_->value(bundleID); }

 private:
  using Cache = LookupCache<std::optional<AppLocation>>;
  std::shared_ptr<Cache> cache_;
};

// Whether some installed application opens a document entry's content type,
// remembered per extension for a minute. The type and its applications are looked
// up together, so one background pass answers (give it the platform's own types,
// not a cache of them). An extension not looked up yet counts as not openable.
class ContentTypeOpeners {
 public:
  ContentTypeOpeners(std::shared_ptr<const platform::ContentTypes> types,
                     std::shared_ptr<const platform::Workspace> workspace, LookupOptions options = {});

  bool canOpen(const NewItem& item) const;

 private:
  std::shared_ptr<LookupCache<bool>> cache_;
};

}  // namespace nimbra
