#include "nimbra/platform/linux/JournalLog.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "TemporaryDirectory.h"

namespace nimbra::platform {
namespace {

struct Entry {
  GLogLevelFlags level;
  std::map<std::string, std::string> fields;
};

GLogWriterOutput record(GLogLevelFlags level, const GLogField* fields, gsize count, gpointer entries) {
  Entry entry{level, {}};
  for (gsize i = 0; i < count; ++i) {
    const auto* value = static_cast<const char*>(fields[i].value);
    entry.fields[fields[i].key] = fields[i].length < 0 ? std::string(value) : std::string(value, fields[i].length);
  }
  static_cast<std::vector<Entry>*>(entries)->push_back(entry);
  return G_LOG_WRITER_HANDLED;
}

TEST(JournalLogTest, EntriesCarryTheTextAsIsWithSubsystemCategoryAndPriority) {
  std::vector<Entry> entries;
  const auto log = structuredLog("extension", record, &entries);
  log->info("perform create(itemID: \"txt\") 100% done");
  log->error("send to zip: r\xc3\xa9sum\xc3\xa9\nsecond line");

  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].fields, (std::map<std::string, std::string>{
                                   {"MESSAGE", "perform create(itemID: \"txt\") 100% done"},
                                   {"PRIORITY", "6"},
                                   {"GLIB_DOMAIN", "nimbra"},
                                   {"NIMBRA_SUBSYSTEM", "ai.corvane.nimbra"},
                                   {"NIMBRA_CATEGORY", "extension"},
                               }));
  EXPECT_EQ(entries[0].level, G_LOG_LEVEL_INFO);
  EXPECT_EQ(entries[1].fields.at("MESSAGE"), "send to zip: r\xc3\xa9sum\xc3\xa9\nsecond line");
  EXPECT_EQ(entries[1].fields.at("PRIORITY"), "3");
  // Never G_LOG_LEVEL_ERROR: GLib treats that level as fatal.
  EXPECT_EQ(entries[1].level & G_LOG_LEVEL_ERROR, 0);
}

// Whether or not a journal is there, nothing reaches the process's own streams:
// the command-line host decides what it prints.
TEST(JournalLogTest, NeverWritesToStderr) {
  testing::TemporaryDirectory dir;
  const auto capture = dir.path() / "stderr";
  std::fflush(stderr);
  const int saved = ::dup(2);
  std::FILE* file = std::fopen(capture.c_str(), "w");
  ::dup2(::fileno(file), 2);
  ::setenv("G_MESSAGES_DEBUG", "all", 1);
  const auto log = journalLog("extension");
  log->info("an info line");
  log->error("an error line");
  std::fflush(stderr);
  ::dup2(saved, 2);
  ::close(saved);
  std::fclose(file);
  ::unsetenv("G_MESSAGES_DEBUG");

  std::ifstream in(capture);
  std::stringstream written;
  written << in.rdbuf();
  EXPECT_EQ(written.str(), "");
}

}  // namespace
}  // namespace nimbra::platform
