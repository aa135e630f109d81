#include "nimbra/NumberedNames.h"

#include <gtest/gtest.h>

#include <set>

namespace nimbra {
namespace {

TEST(NumberedNames, NumberGoesBeforeTheExtensionExceptWhenTheNameIsTheExtension) {
  const std::tuple<std::string_view, std::string_view, unsigned, std::string_view> cases[] = {
      {"Untitled", "txt", 1, "Untitled.txt"}, {"Untitled", "txt", 10, "Untitled 10.txt"},
      {"Untitled", "", 1, "Untitled"},        {"Untitled", "", 3, "Untitled 3"},
      {"", "env", 1, ".env"},                 {"", "env", 2, ".env 2"},
      {"archive", "tar.gz", 2, "archive 2.tar.gz"},
  };
  for (const auto& [base, ext, n, name] : cases) EXPECT_EQ(numberedName(base, ext, n), name);
}

TEST(NumberedNames, ALongBaseGivesWayByWholeCharactersSoTheNameFits) {
  const std::string base = std::string(248, 'x') + "日本";  // 254 bytes; 日 ends at byte 251
  EXPECT_EQ(numberedName(base, "", 1), base);
  EXPECT_EQ(numberedName(base, "txt", 1), std::string(248, 'x') + "日.txt");
  EXPECT_EQ(numberedName(base, "txt", 2), std::string(248, 'x') + " 2.txt");
  EXPECT_EQ(numberedName(std::string(300, 'y'), "", 12), std::string(252, 'y') + " 12");
}

TEST(NumberedNames, ATrailingExtensionIsStrippedInAnyLetterCaseAndOnlyWhole) {
  const std::tuple<std::string_view, std::string_view, std::string_view> cases[] = {
      {"Notes.TXT", "txt", "Notes"}, {"Notes.txt", "TXT", "Notes"}, {".ENV", "env", ""},
      {"Ärger.ÄBC", "äbc", "Ärger"}, {"Отчёт.ДОК", "док", "Отчёт"}, {"Ωmega.ΣΤ", "στ", "Ωmega"},
      {"Notestxt", "txt", "Notestxt"}, {"Notes.txt.bak", "txt", "Notes.txt.bak"}, {"txt", "txt", "txt"},
      {"Notes.txt", "", "Notes.txt"},
      // A malformed byte matches only itself, never a letter of the same value.
      {"x.\xC3", "\xC3", "x"}, {"x.\xC3", "\xE3", "x.\xC3"}, {"x.\xC3", "\u00C3", "x.\xC3"},
  };
  for (const auto& [base, ext, stripped] : cases) EXPECT_EQ(withoutExtensionSuffix(base, ext), stripped) << base;
}

TEST(NumberedNames, SplittingAndLastComponent) {
  EXPECT_EQ(splitExtension("archive.tar.gz"), (NameParts{"archive.tar", "gz"}));
  EXPECT_EQ(splitExtension("Makefile"), (NameParts{"Makefile", ""}));
  EXPECT_EQ(splitExtension(".env"), (NameParts{".env", ""}));
  EXPECT_EQ(splitExtension("notes."), (NameParts{"notes.", ""}));
  EXPECT_EQ(splitExtension(".config.json"), (NameParts{".config", "json"}));
  EXPECT_EQ(lastComponent("/a/Photos/./"), "Photos");
  EXPECT_EQ(lastComponent("relative/Build 1.2"), "Build 1.2");
}

TEST(NumberedNames, FreeNameSearchHasNoUpperBoundAndAsksInTheFolder) {
  std::set<std::filesystem::path> taken;
  for (unsigned n = 1; n <= 1500; ++n) taken.insert("/f/" + numberedName("Untitled", "txt", n));
  std::vector<std::filesystem::path> asked;
  const auto result = freeName("/f", "Untitled", "txt", [&](const std::filesystem::path& p) {
    asked.push_back(p);
    return taken.contains(p);
  });
  EXPECT_EQ(result, "/f/Untitled 1501.txt");
  EXPECT_EQ(asked.size(), 1501u);
  EXPECT_EQ(asked.front(), "/f/Untitled.txt");
}

}  // namespace
}  // namespace nimbra
