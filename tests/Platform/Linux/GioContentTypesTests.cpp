#include <gtest/gtest.h>

#include "FileTesting.h"
#include "nimbra/platform/linux/GioContentTypes.h"
#include "nimbra/platform/Packages.h"
#include "nimbra/platform/Resources.h"

namespace nimbra::platform {
namespace {

TEST(GioContentTypes, MapTheExtensionsSharedMimeInfoKnowsAndTellDataFromFolders) {
  const auto& types = *systemContentTypes();
  EXPECT_EQ(types.typeForExtension("TXT"), "text/plain");
  EXPECT_EQ(types.typeForExtension("docx"), "application/vnd.openxmlformats-officedocument.wordprocessingml.document");
  // No glob: no type, not GIO's generic fallback; ambiguous globs still answer.
  EXPECT_EQ(types.typeForExtension("nimbra-no-such-ext"), std::nullopt);
  EXPECT_EQ(types.typeForExtension(""), std::nullopt);
  EXPECT_TRUE(types.typeForExtension("key").has_value());
  EXPECT_TRUE(types.conformsToData("application/pdf"));
  EXPECT_FALSE(types.conformsToData(types.folderType()));
  EXPECT_FALSE(types.conformsToData(types.aliasType()));
}

TEST(Packages, RecogniseBundleExtensionsInAnyCase) {
  for (const auto* name : {"Tool.app", "Deck.KEY"}) EXPECT_TRUE(isPackageName(name)) << name;
  for (const auto* name : {"Build 1.2", "app", ".app", "Photos"}) EXPECT_FALSE(isPackageName(name)) << name;
}

TEST(Languages, FollowTheGnuPrecedence) {
  testing::ScopedEnvironment env;
  const auto with = [&](const char* lcAll, const char* lang, const char* language) {
    const std::pair<const char*, const char*> variables[] = {{"LC_ALL", lcAll}, {"LC_MESSAGES", nullptr}, {"LANG", lang}, {"LANGUAGE", language}};
    for (const auto& [name, value] : variables) env.set(name, value);
    return preferredLanguages();
  };
  using Languages = std::vector<std::string>;
  EXPECT_EQ(with(nullptr, "de_DE.UTF-8", nullptr), (Languages{"de_DE", "de"}));
  EXPECT_EQ(with("fr_CA.UTF-8@euro", "de_DE.UTF-8", nullptr), (Languages{"fr_CA", "fr"}));
  EXPECT_EQ(with(nullptr, "de_DE.UTF-8", "pt_BR:en"), (Languages{"pt_BR", "pt", "en", "de_DE", "de"}));
  EXPECT_TRUE(with(nullptr, "C.UTF-8", "de").empty());  // LANGUAGE is ignored for the C locale
}

}  // namespace
}  // namespace nimbra::platform
