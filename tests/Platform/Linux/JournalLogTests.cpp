#include "nimbra/platform/linux/JournalLog.h"

#include <gtest/gtest.h>

#include <map>

namespace nimbra::platform {
namespace {

using Fields = std::map<std::string, std::string>;

GLogWriterOutput record(GLogLevelFlags level, const GLogField* fields, gsize count, gpointer entries) {
  Fields entry;
  // GLib aborts on G_LOG_LEVEL_ERROR.
  if (level & G_LOG_LEVEL_ERROR) entry["FATAL"] = "yes";
  for (gsize i = 0; i < count; ++i) {
    const auto* value = static_cast<const char*>(fields[i].value);
    entry[fields[i].key] = fields[i].length < 0 ? std::string(value) : std::string(value, fields[i].length);
  }
  static_cast<std::vector<Fields>*>(entries)->push_back(entry);
  return G_LOG_WRITER_HANDLED;
}

TEST(JournalLog, EntriesCarryTheTextAsIsWithSubsystemCategoryAndPriority) {
  std::vector<Fields> entries;
  const auto log = structuredLog("extension", record, &entries);
  log->info("perform create(itemID: \"txt\") 100% done");
  log->error("send to zip: r\xc3\xa9sum\xc3\xa9\nsecond line");
  const auto entry = [](std::string message, std::string priority) {
    return Fields{{"MESSAGE", message}, {"PRIORITY", priority}, {"GLIB_DOMAIN", "nimbra"},
                  {"NIMBRA_SUBSYSTEM", "ai.corvane.nimbra"}, {"NIMBRA_CATEGORY", "extension"}};
  };
  EXPECT_EQ(entries, (std::vector<Fields>{entry("perform create(itemID: \"txt\") 100% done", "6"),
                                          entry("send to zip: r\xc3\xa9sum\xc3\xa9\nsecond line", "3")}));
}

}  // namespace
}  // namespace nimbra::platform
