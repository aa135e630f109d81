#include <gtest/gtest.h>

#include <set>
#include <unordered_set>

#include "FakeContentTypes.h"
#include "nimbra/NewItem.h"
#include "nimbra/StringTable.h"

namespace nimbra {
namespace {

using Error = NewItem::ValidationError;

NewItem custom(std::string ext) {
  return NewItem{"C0FFEE00-0000-4000-8000-000000000000", NewItemKind::Text{"", false}, std::move(ext), std::nullopt, std::nullopt, true, false};
}

std::variant<std::string, Error> validate(std::string_view s) { return NewItem::validateExtension(s); }

TEST(NewItemValidateExtension, NormalisesWhiteSpaceAndLeadingDots) {
  EXPECT_EQ(validate(" .txt "), (std::variant<std::string, Error>("txt")));
  EXPECT_EQ(validate("...md"), (std::variant<std::string, Error>("md")));
  EXPECT_EQ(validate("..tar.gz"), (std::variant<std::string, Error>("tar.gz")));
  EXPECT_EQ(validate("TXT"), (std::variant<std::string, Error>("TXT")));
  EXPECT_EQ(validate("\n\tlog\r\n"), (std::variant<std::string, Error>("log")));
  EXPECT_EQ(validate("\u3000json\u00A0"), (std::variant<std::string, Error>("json")));
}

TEST(NewItemValidateExtension, ReportsTheFirstBrokenRule) {
  EXPECT_EQ(validate("."), (std::variant<std::string, Error>(Error::empty)));
  EXPECT_EQ(validate("   "), (std::variant<std::string, Error>(Error::empty)));
  EXPECT_EQ(validate("abcdefghijklmnop"), (std::variant<std::string, Error>("abcdefghijklmnop")));
  EXPECT_EQ(validate("abcdefghijklmnopq"), (std::variant<std::string, Error>(Error::tooLong)));
  EXPECT_EQ(validate("c++"), (std::variant<std::string, Error>(Error::badCharacters)));
  EXPECT_EQ(validate("\u00E9"), (std::variant<std::string, Error>(Error::badCharacters)));
  EXPECT_EQ(validate("a b"), (std::variant<std::string, Error>(Error::badCharacters)));
  // Length is checked before characters.
  EXPECT_EQ(validate("abcdefghijklmnop+"), (std::variant<std::string, Error>(Error::tooLong)));
}

TEST(NewItemValidateExtension, CountsCombiningSequencesOnce) {
  // Sixteen "e" + combining acute: 16 characters, so the length rule passes and the characters fail.
  std::string marked;
  for (int i = 0; i < 16; ++i) marked += "e\u0301";
  EXPECT_EQ(validate(marked), (std::variant<std::string, Error>(Error::badCharacters)));
  EXPECT_EQ(validate(marked + "e"), (std::variant<std::string, Error>(Error::tooLong)));
}

TEST(NewItemLabel, FollowsCustomThenBuiltInThenExtension) {
  const auto strings = StringTable::fromEntries({{"item.makefile.label", "Makefile"}});

  auto blankLabel = custom(" log ");
  blankLabel.customLabel = "   ";
  EXPECT_EQ(blankLabel.label(strings), ".log File");
  blankLabel.ext = "";
  EXPECT_EQ(blankLabel.label(strings), "New File");

  auto spaced = custom("txt");
  spaced.customLabel = " Notes ";
  EXPECT_EQ(spaced.label(strings), " Notes ");

  // A label made only of line breaks is not blank: only spaces and tabs are trimmed.
  auto newline = custom("txt");
  newline.customLabel = "\n";
  EXPECT_EQ(newline.label(strings), "\n");

  const auto& makefile = NewItem::builtIns()[22];
  ASSERT_EQ(makefile.id, "makefile");
  EXPECT_EQ(makefile.label(strings), "Makefile");
  EXPECT_EQ(NewItem::builtIns()[0].label(strings), "item.folder.label");
}

TEST(NewItemBaseName, UsesCustomAsStoredElseTableElseUntitled) {
  const auto strings = StringTable::fromEntries({{"item.txt.name", "New Text Document"}});
  auto item = custom("txt");
  EXPECT_EQ(item.baseName(strings), "Untitled");
  item.customBaseName = "";
  EXPECT_EQ(item.baseName(strings), "");
  item.customBaseName = " Draft ";
  EXPECT_EQ(item.baseName(strings), " Draft ");
  EXPECT_EQ(NewItem::builtIns()[9].baseName(strings), "New Text Document");
}

TEST(NewItemContentType, ComesFromKindOrExtension) {
  testing::FakeContentTypes types;
  const auto& catalogue = NewItem::builtIns();
  EXPECT_EQ(catalogue[0].contentType(types), "inode/directory");
  EXPECT_EQ(catalogue[24].contentType(types), "inode/directory");
  EXPECT_EQ(catalogue[1].contentType(types), "inode/symlink");
  EXPECT_EQ(catalogue[2].contentType(types), types.byExtension.at("docx"));
  EXPECT_EQ(catalogue[22].contentType(types), "text/plain");  // makefile: no extension
  EXPECT_EQ(custom("zzz").contentType(types), std::nullopt);
  types.notData.insert("text/markdown");
  EXPECT_EQ(custom("md").contentType(types), std::nullopt);

  // A folder entry with an extension is still a folder.
  NewItem folder{"f", NewItemKind::Folder{}, "txt", std::nullopt, std::nullopt, true, false};
  EXPECT_EQ(folder.contentType(types), "inode/directory");
}

TEST(NewItemCatalogue, HoldsTheTwentyFiveEntriesInOrder) {
  const auto& catalogue = NewItem::builtIns();
  ASSERT_EQ(catalogue.size(), 25u);
  const std::vector<std::string> ids = {"folder", "alias", "word", "excel", "powerpoint", "pages", "numbers",
                                        "keynote", "rtf", "txt", "html", "md", "json", "yml", "env", "gitignore",
                                        "sh", "command", "py", "applescript", "plist", "readme", "makefile",
                                        "dockerfile", "datedFolder"};
  for (std::size_t i = 0; i < ids.size(); ++i) {
    EXPECT_EQ(catalogue[i].id, ids[i]);
    EXPECT_TRUE(catalogue[i].isBuiltIn);
    EXPECT_FALSE(catalogue[i].customLabel || catalogue[i].customBaseName);
    EXPECT_EQ(catalogue[i].enabled, i < 10) << ids[i];
  }
  EXPECT_EQ(catalogue[2].kind, NewItemKind(NewItemKind::Bundled{"blank.docx"}));
  EXPECT_EQ(catalogue[7].kind, NewItemKind(NewItemKind::Bundled{"blank.key"}));
  EXPECT_EQ(catalogue[21].ext, "md");
}

TEST(NewItemCatalogue, TemplatesAreByteExact) {
  const auto& c = NewItem::builtIns();
  auto templateOf = [&](std::size_t i) { return c[i].kind.as<NewItemKind::Text>()->templateText; };
  auto executable = [&](std::size_t i) { return c[i].kind.as<NewItemKind::Text>()->executable; };
  EXPECT_EQ(templateOf(8), "{\\rtf1}");
  EXPECT_EQ(templateOf(10).size(), 115u);
  EXPECT_TRUE(templateOf(10).starts_with("<!doctype html>\n<html lang=\"en\">\n"));
  EXPECT_EQ(templateOf(12), "{}\n");
  EXPECT_EQ(templateOf(16), "#!/bin/zsh\n\n");
  EXPECT_EQ(templateOf(17), "#!/bin/zsh\ncd \"${0:h}\"\n\n");
  EXPECT_EQ(templateOf(18), "#!/usr/bin/env python3\n\n");
  EXPECT_EQ(templateOf(20).size(), 181u);
  EXPECT_NE(templateOf(20).find("\"-//Apple//DTD PLIST 1.0//EN\""), std::string::npos);
  EXPECT_EQ(templateOf(21), "# README\n");
  EXPECT_EQ(templateOf(23), "FROM \n");
  EXPECT_TRUE(executable(16) && executable(17) && executable(18));
  EXPECT_FALSE(executable(9) || executable(20));
}

TEST(NewItemValue, ComparesAndHashesEveryField) {
  const auto base = NewItem::builtIns()[16];
  std::vector<NewItem> variants(6, base);
  variants[0].id = "other";
  variants[1].kind = NewItemKind::Text{"#!/bin/zsh\n\n", false};
  variants[2].ext = "zsh";
  variants[3].customLabel = "";
  variants[4].enabled = !base.enabled;
  variants[5].isBuiltIn = false;
  std::unordered_set<NewItem> set{base};
  for (const auto& v : variants) {
    EXPECT_NE(v, base);
    set.insert(v);
  }
  EXPECT_EQ(set.size(), 7u);
  EXPECT_TRUE(set.contains(NewItem::builtIns()[16]));
}

}  // namespace
}  // namespace nimbra
