#pragma once
// Content types from shared-mime-info through GIO.

#include <memory>

#include "nimbra/platform/ContentTypes.h"

namespace nimbra::platform {

std::shared_ptr<const ContentTypes> systemContentTypes();

}  // namespace nimbra::platform
