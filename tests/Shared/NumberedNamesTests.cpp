#include "nimbra/NumberedNames.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using nimbra::freeName;
using nimbra::lastComponent;
using nimbra::NameParts;
using nimbra::numberedName;
using nimbra::splitExtension;
using nimbra::withoutExtensionSuffix;

TEST(NumberedNames, NumberGoesBeforeTheExtensionExceptWhenTheNameIsTheExtension) {
  EXPECT_EQ(numberedName("Untitled", "txt", 1), "Untitled.txt");
  EXPECT_EQ(numberedName("Untitled", "txt", 2), "Untitled 2.txt");
  EXPECT_EQ(numberedName("Untitled", "txt", 10), "Untitled 10.txt");
  EXPECT_EQ(numberedName("Untitled", "", 1), "Untitled");
  EXPECT_EQ(numberedName("Untitled", "", 3), "Untitled 3");
  EXPECT_EQ(numberedName("", "env", 1), ".env");
  EXPECT_EQ(numberedName("", "env", 2), ".env 2");
  EXPECT_EQ(numberedName("archive", "tar.gz", 2), "archive 2.tar.gz");
  EXPECT_EQ(numberedName("Build 1.2", "", 2), "Build 1.2 2");
}

TEST(NumberedNames, TrailingExtensionIsStrippedInAnyLetterCase) {
  EXPECT_EQ(withoutExtensionSuffix("Notes.TXT", "txt"), "Notes");
  EXPECT_EQ(withoutExtensionSuffix("Notes.txt", "TXT"), "Notes");
  EXPECT_EQ(withoutExtensionSuffix(".ENV", "env"), "");
  EXPECT_EQ(withoutExtensionSuffix("report.pdf", "pdf"), "report");
  EXPECT_EQ(withoutExtensionSuffix("Ärger.ÄBC", "äbc"), "Ärger");
  EXPECT_EQ(withoutExtensionSuffix("Отчёт.ДОК", "док"), "Отчёт");
  // Only a whole ".ext" at the end counts.
  EXPECT_EQ(withoutExtensionSuffix("Notestxt", "txt"), "Notestxt");
  EXPECT_EQ(withoutExtensionSuffix("Notes.txt.bak", "txt"), "Notes.txt.bak");
  EXPECT_EQ(withoutExtensionSuffix("txt", "txt"), "txt");
  EXPECT_EQ(withoutExtensionSuffix("Notes.txt", ""), "Notes.txt");
}

TEST(NumberedNames, ExtensionIsWhatFollowsTheLastInnerDot) {
  EXPECT_EQ(splitExtension("report.pdf"), (NameParts{"report", "pdf"}));
  EXPECT_EQ(splitExtension("archive.tar.gz"), (NameParts{"archive.tar", "gz"}));
  EXPECT_EQ(splitExtension("Tool.app"), (NameParts{"Tool", "app"}));
  EXPECT_EQ(splitExtension("Makefile"), (NameParts{"Makefile", ""}));
  EXPECT_EQ(splitExtension(".env"), (NameParts{".env", ""}));
  EXPECT_EQ(splitExtension("notes."), (NameParts{"notes.", ""}));
  EXPECT_EQ(splitExtension(".config.json"), (NameParts{".config", "json"}));
}

TEST(NumberedNames, LastComponentIgnoresTrailingSeparatorsAndDots) {
  EXPECT_EQ(lastComponent("/a/Photos"), "Photos");
  EXPECT_EQ(lastComponent("/a/Photos/"), "Photos");
  EXPECT_EQ(lastComponent("/a/Photos/./"), "Photos");
  EXPECT_EQ(lastComponent("relative/Build 1.2"), "Build 1.2");
}

TEST(NumberedNames, FreeNameSearchHasNoUpperBoundAndAsksInTheFolder) {
  std::set<std::filesystem::path> taken;
  for (int n = 1; n <= 1500; ++n) taken.insert("/f/" + numberedName("Untitled", "txt", static_cast<unsigned>(n)));
  std::vector<std::filesystem::path> asked;
  const auto result = freeName("/f", "Untitled", "txt", [&](const std::filesystem::path& p) {
    asked.push_back(p);
    return taken.contains(p);
  });
  EXPECT_EQ(result, "/f/Untitled 1501.txt");
  EXPECT_EQ(asked.size(), 1501u);
  EXPECT_EQ(asked.front(), "/f/Untitled.txt");
  EXPECT_EQ(freeName("/f", "", "env", [](const auto&) { return false; }), "/f/.env");
}

}  // namespace
