#include <gtest/gtest.h>

#include <cstdlib>

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

class LanguagesTest : public ::testing::Test {
 protected:
  void set(const char* lcAll, const char* lang, const char* language) {
    auto apply = [](const char* name, const char* value) { value ? ::setenv(name, value, 1) : ::unsetenv(name); };
    apply("LC_ALL", lcAll);
    apply("LC_MESSAGES", nullptr);
    apply("LANG", lang);
    apply("LANGUAGE", language);
  }
  void TearDown() override { set(nullptr, "C.UTF-8", nullptr); }
};

TEST_F(LanguagesTest, FollowTheGnuPrecedence) {
  set(nullptr, "de_DE.UTF-8", nullptr);
  EXPECT_EQ(preferredLanguages(), (std::vector<std::string>{"de_DE", "de"}));
  set("fr_CA.UTF-8@euro", "de_DE.UTF-8", nullptr);
  EXPECT_EQ(preferredLanguages(), (std::vector<std::string>{"fr_CA", "fr"}));
  set(nullptr, "de_DE.UTF-8", "pt_BR:en");
  EXPECT_EQ(preferredLanguages(), (std::vector<std::string>{"pt_BR", "pt", "en", "de_DE", "de"}));
  // LANGUAGE is ignored for the C locale.
  set(nullptr, "C.UTF-8", "de");
  EXPECT_TRUE(preferredLanguages().empty());
}

TEST(Resources, AreFoundBesideTheBinary) {
  const auto root = deliverableResources("extension", reinterpret_cast<const void*>(&deliverableResources));
  ASSERT_TRUE(root.has_value());
  EXPECT_TRUE(std::filesystem::exists(*root / "strings" / "en.json"));
  EXPECT_EQ(deliverableResources("no-such-deliverable", reinterpret_cast<const void*>(&deliverableResources)), std::nullopt);
}

}  // namespace
}  // namespace nimbra::platform
