#include "nimbra/NewItem.h"

#include <gtest/gtest.h>

#include "FakeContentTypes.h"
#include "nimbra/StringTable.h"

namespace nimbra {
namespace {

using Error = NewItem::ValidationError;
using Validated = std::variant<std::string, Error>;

NewItem custom(std::string ext, NewItemKind kind = NewItemKind::Text{"", false}) {
  return NewItem{"C0FFEE00-0000-4000-8000-000000000000", std::move(kind), std::move(ext), std::nullopt, std::nullopt, true, false};
}

TEST(NewItem, AnExtensionIsTrimmedOfSpacesAndLeadingDotsThenCheckedForLengthThenCharacters) {
  std::string marked;  // sixteen characters of two scalars each
  for (int i = 0; i < 16; ++i) marked += "e\u0301";
  const std::pair<std::string, Validated> cases[] = {
      {" .txt ", "txt"},       {"..tar.gz", "tar.gz"},        {"TXT", "TXT"},
      {"\n\tlog\r\n", "log"},  {"\u3000json\u00A0", "json"},   {".", Error::empty},
      {"   ", Error::empty},   {"abcdefghijklmnop", "abcdefghijklmnop"},
      {"abcdefghijklmnopq", Error::tooLong},                   {"abcdefghijklmnop+", Error::tooLong},
      {"c++", Error::badCharacters}, {"\u00E9", Error::badCharacters}, {"a b", Error::badCharacters},
      {marked, Error::badCharacters}, {marked + "e", Error::tooLong},
  };
  for (const auto& [text, result] : cases) EXPECT_EQ(NewItem::validateExtension(text), result) << text;
}

TEST(NewItem, LabelAndBaseNameComeFromTheUserThenTheTableThenTheExtension) {
  const auto strings = StringTable::fromEntries({{"item.txt.label", "Text Document"}, {"item.txt.name", "New Text"}});
  auto item = custom(" log ");
  item.customLabel = "   ";  // blank: as if absent
  EXPECT_EQ(item.label(strings), ".log File");
  EXPECT_EQ(item.baseName(strings), "Untitled");
  item.ext = "";
  EXPECT_EQ(item.label(strings), "New File");
  item.customLabel = "\n";  // only spaces and tabs count as blank
  item.customBaseName = " Draft ";
  EXPECT_EQ(item.label(strings), "\n");
  EXPECT_EQ(item.baseName(strings), " Draft ");
  item.customBaseName = "";
  EXPECT_EQ(item.baseName(strings), "");

  auto builtIn = custom("txt");
  builtIn.id = "txt";
  builtIn.isBuiltIn = true;
  EXPECT_EQ(builtIn.label(strings), "Text Document");
  EXPECT_EQ(builtIn.baseName(strings), "New Text");
}

TEST(NewItem, ContentTypeComesFromTheKindOrTheExtension) {
  testing::FakeContentTypes types;
  types.notData.insert("text/markdown");
  EXPECT_EQ(custom("txt", NewItemKind::Folder{}).contentType(types), "inode/directory");
  EXPECT_EQ(custom("", NewItemKind::DatedFolder{}).contentType(types), "inode/directory");
  EXPECT_EQ(custom("", NewItemKind::Alias{}).contentType(types), "inode/symlink");
  EXPECT_EQ(custom("docx", NewItemKind::Bundled{"blank.docx"}).contentType(types), types.byExtension.at("docx"));
  EXPECT_EQ(custom("").contentType(types), "text/plain");
  EXPECT_EQ(custom("zzz").contentType(types), std::nullopt);
  EXPECT_EQ(custom("md").contentType(types), std::nullopt);
}

}  // namespace
}  // namespace nimbra
