#pragma once
// The system log on Linux: structured entries for the systemd journal.

#include <glib.h>

#include <memory>
#include <string_view>

#include "nimbra/platform/SystemLog.h"

namespace nimbra::platform {

inline constexpr std::string_view kLogSubsystem = "ai.corvane.nimbra";
inline constexpr std::string_view kLogDomain = "nimbra";

// Entries go to `writer` (the journal's, for journalLog()) with the fields
// MESSAGE, PRIORITY (6 info, 3 error), GLIB_DOMAIN, NIMBRA_SUBSYSTEM and
// NIMBRA_CATEGORY. An entry the writer does not handle is dropped.
std::shared_ptr<SystemLog> structuredLog(std::string_view category, GLogWriterFunc writer, gpointer writerData);

// The journal, with subsystem "ai.corvane.nimbra" and `category`.
std::shared_ptr<SystemLog> journalLog(std::string_view category);

}  // namespace nimbra::platform
