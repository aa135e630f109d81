// Entries are handed straight to GLib's journal writer instead of going through
// g_log_structured(): the process-wide writer drops info entries unless
// G_MESSAGES_DEBUG asks for them, prints to stderr when the journal is not
// stderr, and may be set by the host (or abort on criticals with G_DEBUG).
// Without a journal (containers, CI) the entries are dropped silently; the
// command-line host shows them on stderr itself.

#include "nimbra/platform/linux/JournalLog.h"

#include <string>

namespace nimbra::platform {
namespace {

class StructuredLog final : public SystemLog {
 public:
  StructuredLog(std::string_view category, GLogWriterFunc writer, gpointer writerData)
      : category_(category), writer_(writer), writerData_(writerData) {}

  void info(std::string_view message) override { write(G_LOG_LEVEL_INFO, "6", message); }
  // Priority "err" like GLib's own errors, without G_LOG_LEVEL_ERROR's abort.
  void error(std::string_view message) override { write(G_LOG_LEVEL_CRITICAL, "3", message); }

 private:
  void write(GLogLevelFlags level, const char* priority, std::string_view message) {
    const GLogField fields[] = {
        {"MESSAGE", message.data(), static_cast<gssize>(message.size())},
        {"PRIORITY", priority, -1},
        {"GLIB_DOMAIN", kLogDomain.data(), static_cast<gssize>(kLogDomain.size())},
        {"NIMBRA_SUBSYSTEM", kLogSubsystem.data(), static_cast<gssize>(kLogSubsystem.size())},
        {"NIMBRA_CATEGORY", category_.data(), static_cast<gssize>(category_.size())},
    };
    writer_(level, fields, G_N_ELEMENTS(fields), writerData_);
  }

  const std::string category_;
  const GLogWriterFunc writer_;
  const gpointer writerData_;
};

}  // namespace

std::shared_ptr<SystemLog> structuredLog(std::string_view category, GLogWriterFunc writer, gpointer writerData) {
  return std::make_shared<StructuredLog>(category, writer, writerData);
}

std::shared_ptr<SystemLog> journalLog(std::string_view category) {
  return structuredLog(category, g_log_writer_journald, nullptr);
}

}  // namespace nimbra::platform
