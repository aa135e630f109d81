#include "nimbra/StringTable.h"

#include <gtest/gtest.h>

#include "FileTesting.h"

namespace nimbra {
namespace {

TEST(StringTable, OverlaysTheFirstPreferredLanguageWithATableOnEnglishAndFallsBackToKeys) {
  const testing::TemporaryFolder dir;
  testing::writeText(dir / "en.json", R"({"menu.new":"New","menu.sendTo":"Send to"})");
  testing::writeText(dir / "de.json", R"({"menu.new":"Neu"})");
  testing::writeText(dir / "fr.json", "not json");
  const auto german = StringTable::load(dir.path(), std::vector<std::string>{"fr", "de_AT", "de"});
  EXPECT_EQ(german.text("menu.new"), "Neu");
  EXPECT_EQ(german.text("menu.sendTo"), "Send to");  // not translated: English
  EXPECT_EQ(german.text("menu.missing"), "menu.missing");
  for (const auto& languages : {std::vector<std::string>{"ja"}, {}, {"en_GB", "en", "de"}}) {
    EXPECT_EQ(StringTable::load(dir.path(), languages).text("menu.new"), "New");
  }
  EXPECT_EQ(StringTable::load(dir / "absent", {}).text("menu.new"), "menu.new");
}

}  // namespace
}  // namespace nimbra
