#include "nimbra/extension/NewItemCreator.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ChildProcess.h"
#include "RecordingFileOperations.h"
#include "nimbra/StringTable.h"
#include "nimbra/platform/FileOperations.h"
#include "nimbra/platform/Failure.h"

namespace nimbra::extension::NewItemCreator {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;
using namespace nimbra::testing;

NewItem custom(NewItemKind kind, std::string ext, std::optional<std::string> baseName = std::nullopt) {
  return NewItem{"C0FFEE00-0000-4000-8000-000000000000", std::move(kind), std::move(ext), std::nullopt,
                 std::move(baseName), true, false};
}

NewItem textItem(std::string ext, std::optional<std::string> baseName = std::nullopt) {
  return custom(NewItemKind::Text{"", false}, std::move(ext), std::move(baseName));
}

const NewItem& builtIn(std::string_view id) {
  return *std::ranges::find(NewItem::builtIns(), id, &NewItem::id);
}

class NewItemCreatorTest : public ::testing::Test {
 protected:
  NewItemCreatorTest() {
    fs::create_directory(tmp / "Templates");
    fs::create_directory(folder);
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
  platform::FileOperations& files = *platform::systemFileOperations();
  Context context{strings, tmp / "Templates", files};
};

TEST_F(NewItemCreatorTest, FilesAreNumberedUntilFreeAndABaseNameThatIsTheExtensionMakesADotFile) {
  const std::pair<NewItem, std::vector<std::string>> cases[] = {
      {textItem("txt"), {"Untitled.txt", "Untitled 2.txt"}}, {textItem(""), {"Untitled", "Untitled 2"}},
      {textItem("env", ".ENV"), {".env", ".env 2"}}, {textItem("txt", "Notes.TXT"), {"Notes.txt"}},
      {textItem("TXT", "Notes"), {"Notes.TXT"}},  // the extension as stored, case kept
  };
  for (const auto& [item, names] : cases) {
    for (const auto& name : names) EXPECT_EQ(make(item), folder / name);
  }
  EXPECT_EQ(readText(folder / "Untitled 2.txt"), "");
}

TEST_F(NewItemCreatorTest, ExecutableTextGetsItsTemplateAndMode0755WhateverTheUmask) {
  const mode_t previous = ::umask(077);
  const auto made = make(builtIn("sh"));
  ::umask(previous);
  EXPECT_EQ(made, folder / "Script.sh");
  EXPECT_EQ(readText(made), "#!/bin/zsh\n\n");
  EXPECT_EQ(fs::status(made).permissions(), fs::perms(0755));
}

TEST_F(NewItemCreatorTest, AFailedPermissionChangeRemovesTheNewFile) {
  RecordingFileOperations recording(files);
  recording.fault = [](const std::string& operation) {
    return operation == "setPermissions" ? std::optional(EPERM) : std::nullopt;
  };
  try {
    create(builtIn("sh"), folder, system_clock::now(), {strings, context.templatesFolder, recording});
    ADD_FAILURE() << "expected the permission error";
  } catch (const platform::Failure& e) {
    EXPECT_EQ(e.code().value(), EPERM);
  }
  EXPECT_EQ(recording.operations, (std::vector<std::string>{"createFile", "setPermissions", "removeItem"}));
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(NewItemCreatorTest, BundledEntriesCopyTheirTemplateUnderTheEntrysExtensionOrCreateNothing) {
  EXPECT_EQ(make(builtIn("word")), folder / "Document.docx");
  EXPECT_EQ(make(builtIn("word")), folder / "Document 2.docx");
  EXPECT_EQ(readText(folder / "Document 2.docx"), "docx bytes");
  EXPECT_EQ(make(custom(NewItemKind::Bundled{"blank.docx"}, "dotx", "Letter")), folder / "Letter.dotx");

  EXPECT_EQ(errorOf(builtIn("pages")), CreatorError::missingTemplate("blank.pages"));
  EXPECT_THROW(create(builtIn("word"), folder, system_clock::now(), {strings, std::nullopt, files}), CreatorError);
  EXPECT_EQ(errorOf(builtIn("alias")), CreatorError::needsTarget());
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 3);
}

TEST_F(NewItemCreatorTest, FoldersIgnoreTheExtensionAndDatedFoldersUseTheLocalCalendar) {
  EXPECT_EQ(make(custom(NewItemKind::Folder{}, "xyz", "Project")), folder / "Project");
  EXPECT_EQ(make(custom(NewItemKind::Folder{}, "xyz", "Project")), folder / "Project 2");
  EXPECT_TRUE(fs::is_directory(folder / "Project 2"));
  EXPECT_EQ(make(builtIn("folder")), folder / "New Folder");

  ScopedEnvironment zone;
  zone.set("TZ", "UTC0");
  EXPECT_EQ(make(builtIn("datedFolder"), sys_days{2025y / 3 / 7} + 10h), folder / "2025-03-07");
  EXPECT_EQ(make(builtIn("datedFolder"), sys_days{2025y / 3 / 7} + 23h), folder / "2025-03-07 2");
  zone.set("TZ", "<+14>-14");  // already the next day
  EXPECT_EQ(datedFolderName(sys_days{2025y / 3 / 6} + 20h), "2025-03-07");
}

TEST_F(NewItemCreatorTest, AnEmptyZipOpensAsAnEmptyArchive) {
  const auto made = make(custom(NewItemKind::EmptyZip{}, "zip"));
  EXPECT_EQ(made, folder / "Untitled.zip");
  const auto check = runProgram(
      {"python3", "-c", "import sys, zipfile; sys.exit(zipfile.ZipFile(sys.argv[1]).namelist() != [])", made});
  EXPECT_EQ(check.status, 0) << check.err;
}

// Settings come from a store any process of the user can write.
TEST_F(NewItemCreatorTest, UnsafeNamesFromTheSettingsFailAndCreateNothing) {
  using std::string_literals::operator""s;
  const std::pair<NewItem, std::string> cases[] = {
      {textItem("txt", "../escape"), "../escape"}, {textItem("txt", "nul\0byte"s), "nul\0byte"s},
      {textItem("x/y", "Notes"), "x/y"}, {textItem("", ".."), ".."}, {textItem("", ""), "."}, {textItem(".", ""), ".."},
      {custom(NewItemKind::Folder{}, "", ".."), ".."}, {custom(NewItemKind::Folder{}, "", "/tmp/x"), "/tmp/x"},
      {custom(NewItemKind::Bundled{"../secret"}, "txt"), "../secret"}, {custom(NewItemKind::Bundled{".."}, "txt"), ".."},
      {custom(NewItemKind::Bundled{""}, "txt"), ""}, {custom(NewItemKind::Bundled{"blank.docx"}, "docx", "../x"), "../x"},
  };
  for (const auto& [item, text] : cases) EXPECT_EQ(errorOf(item), CreatorError::unsafeName(text)) << text;
  EXPECT_TRUE(fs::is_empty(folder));
  EXPECT_EQ(std::distance(fs::directory_iterator(tmp.path()), {}), 3);

  EXPECT_EQ(templateURL("blank.docx", tmp / "Templates"), tmp / "Templates" / "blank.docx");
  for (const auto& outside : std::vector<std::string>{"../secret", "..", "blank.pages", (tmp / "secret").string()}) {
    EXPECT_EQ(templateURL(outside, tmp / "Templates"), std::nullopt) << outside;
  }
}

// The shipped blank documents hold exactly the parts they are packed from.
TEST(NewItemCreatorShippedTemplates, EveryBundledBuiltInHasItsTemplateWithEveryPartAsWritten) {
  const auto templates = fs::path(std::getenv("NIMBRA_BIN_DIR")).parent_path() / "share/nimbra/extension/Templates";
  const auto sources = fs::path(std::getenv("NIMBRA_SOURCE_DIR")) / "NimbraExtension/Resources/Templates-src";
  for (const auto& item : NewItem::builtIns()) {
    const auto* bundled = item.kind.as<NewItemKind::Bundled>();
    if (bundled == nullptr) continue;
    const auto found = templateURL(bundled->resource, templates);
    ASSERT_TRUE(found) << bundled->resource;
    const auto check = runProgram({"python3", "-c",
                                   "import sys, zipfile, pathlib\n"
                                   "z, src = zipfile.ZipFile(sys.argv[1]), pathlib.Path(sys.argv[2])\n"
                                   "parts = sorted(p.relative_to(src).as_posix() for p in src.rglob('*') if p.is_file())\n"
                                   "sys.exit(sorted(z.namelist()) != parts or any(z.read(n) != (src / n).read_bytes() for n in parts))",
                                   *found, sources / fs::path(bundled->resource).extension().string().substr(1)});
    EXPECT_EQ(check.status, 0) << bundled->resource << check.err;
  }
}

}  // namespace
}  // namespace nimbra::extension::NewItemCreator
