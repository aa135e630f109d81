#include <gtest/gtest.h>

#include <fstream>

#include "nimbra/StringTable.h"

namespace nimbra {
namespace {

class StringTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("nimbra-strings-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    write("en.json", R"({"menu.new":"New","menu.sendTo":"Send to"})");
    write("de.json", R"({"menu.new":"Neu"})");
    write("fr.json", "not json");
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  void write(const char* name, const char* text) { std::ofstream(dir_ / name) << text; }

  std::filesystem::path dir_;
};

TEST_F(StringTableTest, OverlaysThePreferredLanguageOnEnglish) {
  const std::vector<std::string> german = {"de_AT", "de"};
  const auto table = StringTable::load(dir_, german);
  EXPECT_EQ(table.text("menu.new"), "Neu");
  EXPECT_EQ(table.text("menu.sendTo"), "Send to");  // not translated: English
  EXPECT_EQ(table.text("menu.missing"), "menu.missing");
}

TEST_F(StringTableTest, FallsBackToEnglishForUnknownOrBrokenTables) {
  for (const std::vector<std::string>& languages : {std::vector<std::string>{"fr_FR", "fr"},
                                                    std::vector<std::string>{"ja"}, std::vector<std::string>{}}) {
    EXPECT_EQ(StringTable::load(dir_, languages).text("menu.new"), "New");
  }
  // English ranked above German wins.
  const std::vector<std::string> englishFirst = {"en_GB", "en", "de"};
  EXPECT_EQ(StringTable::load(dir_, englishFirst).text("menu.new"), "New");
}

TEST_F(StringTableTest, MissingFolderGivesKeys) {
  const auto table = StringTable::load(dir_ / "absent", {});
  EXPECT_EQ(table.size(), 0u);
  EXPECT_EQ(table.text("menu.new"), "menu.new");
}

}  // namespace
}  // namespace nimbra
