#pragma once
// Content types from shared-mime-info through GIO. Every answer asks GIO: callers
// on a hot path wrap it in CachingContentTypes.

#include <memory>

#include "nimbra/platform/ContentTypes.h"

namespace nimbra::platform {

std::shared_ptr<const ContentTypes> systemContentTypes();

}  // namespace nimbra::platform
