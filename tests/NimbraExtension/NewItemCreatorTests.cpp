#include "nimbra/extension/NewItemCreator.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <ctime>
#include <set>
#include <thread>

#include "FileTesting.h"
#include "RecordingFileOperations.h"
#include "nimbra/StringTable.h"
#include "nimbra/platform/FileOperations.h"

namespace fs = std::filesystem;
using namespace std::chrono;
using nimbra::NewItem;
using nimbra::NewItemKind;
using nimbra::StringTable;
using nimbra::extension::NewItemCreator::Context;
using nimbra::extension::NewItemCreator::create;
using nimbra::extension::NewItemCreator::CreatorError;
using nimbra::extension::NewItemCreator::datedFolderName;
using nimbra::extension::NewItemCreator::emptyZipData;
using nimbra::extension::NewItemCreator::templateURL;
using nimbra::testing::readText;
using nimbra::testing::RecordingFileOperations;
using nimbra::testing::TemporaryFolder;
using nimbra::testing::writeText;

namespace {

NewItem custom(NewItemKind kind, std::string ext, std::optional<std::string> baseName = std::nullopt) {
  return NewItem{"C0FFEE00-0000-4000-8000-000000000000", std::move(kind), std::move(ext), std::nullopt,
                 std::move(baseName), true, false};
}

NewItem textItem(std::string ext, std::optional<std::string> baseName = std::nullopt, std::string text = "") {
  return custom(NewItemKind::Text{std::move(text), false}, std::move(ext), std::move(baseName));
}

const NewItem& builtIn(std::string_view id) {
  for (const auto& item : NewItem::builtIns()) {
    if (item.id == id) return item;
  }
  throw std::logic_error("no built-in " + std::string(id));
}

system_clock::time_point utc(int year, int month, int day, int hour) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  return system_clock::from_time_t(::timegm(&tm));
}

// Sets the process' time zone for one test.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    if (const char* tz = std::getenv("TZ")) previous_ = tz;
    ::setenv("TZ", zone, 1);
    ::tzset();
  }
  ~ScopedTimeZone() {
    if (previous_) ::setenv("TZ", previous_->c_str(), 1);
    else ::unsetenv("TZ");
    ::tzset();
  }

 private:
  std::optional<std::string> previous_;
};

std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::ranges::sort(names);
  return names;
}

class NewItemCreatorTest : public ::testing::Test {
 protected:
  NewItemCreatorTest() {
    fs::create_directory(tmp / "Templates");
    fs::create_directory(tmp / "folder");
    writeText(tmp / "Templates" / "blank.docx", "docx bytes");
    writeText(tmp / "secret", "outside the templates");
  }

  fs::path make(const NewItem& item, system_clock::time_point now = system_clock::now()) {
    return create(item, folder, now, context);
  }

  CreatorError errorOf(const NewItem& item) {
    try {
      make(item);
    } catch (const CreatorError& e) {
      return e;
    }
    ADD_FAILURE() << "no CreatorError";
    return CreatorError::needsTarget();
  }

  TemporaryFolder tmp;
  fs::path folder = tmp / "folder";
  StringTable strings = StringTable::fromEntries({{"item.word.name", "Document"},
                                                  {"item.sh.name", "Script"},
                                                  {"item.folder.name", "New Folder"}});
  nimbra::platform::FileOperations& files = *nimbra::platform::systemFileOperations();
  Context context{strings, tmp / "Templates", files};
};

TEST_F(NewItemCreatorTest, TextFilesAreNumberedUntilFree) {
  const auto item = textItem("txt");
  EXPECT_EQ(make(item), folder / "Untitled.txt");
  EXPECT_EQ(make(item), folder / "Untitled 2.txt");
  EXPECT_EQ(make(item), folder / "Untitled 3.txt");
  EXPECT_EQ(make(textItem("")), folder / "Untitled");
  EXPECT_EQ(make(textItem("")), folder / "Untitled 2");
  EXPECT_EQ(fs::file_size(folder / "Untitled.txt"), 0u);
}

TEST_F(NewItemCreatorTest, ABaseNameThatIsTheExtensionMakesADotFile) {
  const auto item = textItem("env", ".ENV");
  EXPECT_EQ(make(item), folder / ".env");
  EXPECT_EQ(make(item), folder / ".env 2");
  EXPECT_EQ(make(textItem("txt", "Notes.TXT")), folder / "Notes.txt");
  // The extension is used as stored, case kept.
  EXPECT_EQ(make(textItem("TXT", "Notes")), folder / "Notes.TXT");
}

TEST_F(NewItemCreatorTest, ExecutableTextGetsItsTemplateAndMode0755WhateverTheUmask) {
  const mode_t previous = ::umask(077);
  const auto made = make(builtIn("sh"));
  ::umask(previous);
  EXPECT_EQ(made, folder / "Script.sh");
  EXPECT_EQ(readText(made), "#!/bin/zsh\n\n");
  struct stat st {};
  ASSERT_EQ(::stat(made.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0755u);
}

TEST_F(NewItemCreatorTest, AFailedPermissionChangeRemovesTheNewFile) {
  RecordingFileOperations recording(files);
  recording.fault = [](const RecordingFileOperations::Call& call) -> std::optional<int> {
    if (call.operation == "setPermissions") return EPERM;
    return std::nullopt;
  };
  const Context failing{strings, context.templatesFolder, recording};
  try {
    create(builtIn("sh"), folder, system_clock::now(), failing);
    FAIL() << "expected the permission error";
  } catch (const fs::filesystem_error& e) {
    EXPECT_EQ(e.code().value(), EPERM);
  }
  EXPECT_EQ(recording.operations(), (std::vector<std::string>{"createFile", "setPermissions", "removeItem"}));
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(NewItemCreatorTest, BundledEntriesCopyTheirTemplateUnderTheEntrysExtension) {
  const auto word = builtIn("word");
  EXPECT_EQ(make(word), folder / "Document.docx");
  EXPECT_EQ(make(word), folder / "Document 2.docx");
  EXPECT_EQ(readText(folder / "Document 2.docx"), "docx bytes");

  const auto renamed = custom(NewItemKind::Bundled{"blank.docx"}, "dotx", "Letter");
  EXPECT_EQ(make(renamed), folder / "Letter.dotx");
}

TEST_F(NewItemCreatorTest, AMissingTemplateCreatesNothing) {
  EXPECT_EQ(errorOf(builtIn("pages")), CreatorError::missingTemplate("blank.pages"));
  const Context uninstalled{strings, std::nullopt, files};
  EXPECT_THROW(create(builtIn("word"), folder, system_clock::now(), uninstalled), CreatorError);
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(NewItemCreatorTest, FoldersIgnoreTheExtensionAndDatedFoldersUseTheLocalCalendar) {
  auto named = custom(NewItemKind::Folder{}, "xyz", "Project");
  EXPECT_EQ(make(named), folder / "Project");
  EXPECT_EQ(make(named), folder / "Project 2");
  EXPECT_TRUE(fs::is_directory(folder / "Project 2"));
  EXPECT_EQ(make(builtIn("folder")), folder / "New Folder");

  const ScopedTimeZone utcZone("UTC0");
  const auto dated = builtIn("datedFolder");
  EXPECT_EQ(make(dated, utc(2025, 3, 7, 10)), folder / "2025-03-07");
  EXPECT_EQ(make(dated, utc(2025, 3, 7, 23)), folder / "2025-03-07 2");
}

TEST_F(NewItemCreatorTest, DatedFolderNameFollowsTheUsersTimeZone) {
  const auto instant = utc(2025, 3, 6, 20);
  {
    const ScopedTimeZone zone("UTC0");
    EXPECT_EQ(datedFolderName(instant), "2025-03-06");
  }
  {
    const ScopedTimeZone zone("<+14>-14");  // already the next day
    EXPECT_EQ(datedFolderName(instant), "2025-03-07");
  }
}

TEST_F(NewItemCreatorTest, AnAliasNeedsATargetAndTouchesNothing) {
  EXPECT_EQ(errorOf(builtIn("alias")), CreatorError::needsTarget());
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(NewItemCreatorTest, EmptyZipIsTheBareEndRecordAndOpensAsAnEmptyArchive) {
  const auto made = make(custom(NewItemKind::EmptyZip{}, "zip"));
  EXPECT_EQ(made, folder / "Untitled.zip");
  const auto data = readText(made);
  ASSERT_EQ(data.size(), 22u);
  EXPECT_EQ(data.substr(0, 4), "PK\x05\x06");
  EXPECT_EQ(data.substr(4), std::string(18, '\0'));
  EXPECT_EQ(emptyZipData().size(), 22u);
  const auto check = "python3 -c 'import sys, zipfile; sys.exit(zipfile.ZipFile(sys.argv[1]).namelist() != [])' '" +
                     made.string() + "'";
  if (std::system("python3 -c '' 2>/dev/null") == 0) {
    EXPECT_EQ(std::system(check.c_str()), 0);
  }
}

// Settings come from a store any process of the user can write.
TEST_F(NewItemCreatorTest, UnsafeNamesFromTheSettingsFailAndCreateNothing) {
  using std::string_literals::operator""s;
  const std::vector<std::pair<NewItem, std::string>> cases = {
      {textItem("txt", "../escape"), "../escape"},
      {textItem("txt", "a/b"), "a/b"},
      {textItem("txt", "nul\0byte"s), "nul\0byte"s},
      {textItem("x/y", "Notes"), "x/y"},
      {textItem("", ".."), ".."},
      {textItem("", "."), "."},
      {textItem("", ""), "."},
      {textItem(".", ""), ".."},
      {custom(NewItemKind::Folder{}, "", ".."), ".."},
      {custom(NewItemKind::Folder{}, "", ""), "."},
      {custom(NewItemKind::Folder{}, "", "/tmp/elsewhere"), "/tmp/elsewhere"},
      {custom(NewItemKind::Bundled{"../secret"}, "txt"), "../secret"},
      {custom(NewItemKind::Bundled{".."}, "txt"), ".."},
      {custom(NewItemKind::Bundled{""}, "txt"), ""},
      {custom(NewItemKind::Bundled{"blank.docx"}, "docx", "../x"), "../x"},
  };
  for (const auto& [item, text] : cases) {
    EXPECT_EQ(errorOf(item), CreatorError::unsafeName(text)) << text;
  }
  EXPECT_TRUE(fs::is_empty(folder));
  EXPECT_EQ(namesIn(tmp.path()), (std::vector<std::string>{"Templates", "folder", "secret"}));
}

TEST_F(NewItemCreatorTest, OverlongNamesFailWithTheFileSystemsErrorNotShortened) {
  try {
    make(textItem("txt", std::string(300, 'n')));
    FAIL() << "expected ENAMETOOLONG";
  } catch (const fs::filesystem_error& e) {
    EXPECT_EQ(e.code().value(), ENAMETOOLONG);
  }
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(NewItemCreatorTest, TemplateLookupStaysInsideTheTemplatesFolder) {
  EXPECT_EQ(templateURL("blank.docx", tmp / "Templates"), tmp / "Templates" / "blank.docx");
  EXPECT_EQ(templateURL("blank.pages", tmp / "Templates"), std::nullopt);
  EXPECT_EQ(templateURL("../secret", tmp / "Templates"), std::nullopt);
  EXPECT_EQ(templateURL("..", tmp / "Templates"), std::nullopt);
  EXPECT_EQ(templateURL(tmp.path().string() + "/secret", tmp / "Templates"), std::nullopt);
  EXPECT_EQ(templateURL("blank.docx", std::nullopt), std::nullopt);
}

TEST_F(NewItemCreatorTest, ErrorsDescribeThemselvesOnOneLine) {
  using std::string_literals::operator""s;
  EXPECT_EQ(CreatorError::missingTemplate("blank.key").describe(), "missing template blank.key");
  EXPECT_EQ(std::string(CreatorError::needsTarget().what()), "an alias needs a target");
  EXPECT_EQ(CreatorError::unsafeName("a\nb\0c"s).describe(), "unsafe name \"a?b?c\"");
}

// Threads creating the same entry in one folder at once: each creation either gets a
// name nobody else got or fails because the name was taken meanwhile; no file ever
// holds another creator's bytes.
TEST_F(NewItemCreatorTest, ConcurrentCreationsGetDistinctNamesAndReplaceNothing) {
  constexpr int kThreads = 8;
  constexpr int kPerThread = 25;
  std::vector<std::vector<fs::path>> made(kThreads);
  std::atomic<int> otherErrors{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      const auto item = textItem("txt", std::nullopt, "thread " + std::to_string(t));
      for (int i = 0; i < kPerThread; ++i) {
        try {
          made[t].push_back(create(item, folder, system_clock::now(), context));
        } catch (const fs::filesystem_error& e) {
          if (e.code().value() != EEXIST) ++otherErrors;
        }
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(otherErrors, 0);
  std::set<fs::path> all;
  for (int t = 0; t < kThreads; ++t) {
    for (const auto& path : made[t]) {
      EXPECT_TRUE(all.insert(path).second) << path << " returned twice";
      EXPECT_EQ(readText(path), "thread " + std::to_string(t)) << path;
    }
  }
  EXPECT_EQ(namesIn(folder).size(), all.size());
}

// The shipped templates: one for every bundled built-in entry, copied byte for byte.
TEST(NewItemCreatorShippedTemplates, EveryBundledBuiltInHasItsTemplate) {
  const char* bin = std::getenv("NIMBRA_BIN_DIR");
  ASSERT_NE(bin, nullptr);
  const auto templates = fs::path(bin).parent_path() / "share" / "nimbra" / "extension" / "Templates";
  for (const auto& item : NewItem::builtIns()) {
    const auto* bundled = item.kind.as<NewItemKind::Bundled>();
    if (bundled == nullptr) continue;
    const auto found = templateURL(bundled->resource, templates);
    ASSERT_TRUE(found) << bundled->resource;
    EXPECT_EQ(readText(*found).substr(0, 4), "PK\x03\x04") << bundled->resource;
  }

  TemporaryFolder tmp;
  const auto strings = StringTable::fromEntries({{"item.excel.name", "Book"}});
  const Context context{strings, templates, *nimbra::platform::systemFileOperations()};
  const auto made = create(builtIn("excel"), tmp.path(), system_clock::now(), context);
  EXPECT_EQ(made, tmp / "Book.xlsx");
  EXPECT_EQ(readText(made), readText(templates / "blank.xlsx"));
}

}  // namespace
