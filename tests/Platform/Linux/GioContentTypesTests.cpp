#include <gtest/gtest.h>

#include <cstdlib>

#include "nimbra/NewItem.h"
#include "nimbra/platform/linux/GioContentTypes.h"
#include "nimbra/platform/Packages.h"
#include "nimbra/platform/Resources.h"

namespace nimbra::platform {
namespace {

TEST(GioContentTypes, MapsExtensionsThroughSharedMimeInfo) {
  const auto& types = *systemContentTypes();
  EXPECT_EQ(types.typeForExtension("txt"), "text/plain");
  EXPECT_EQ(types.typeForExtension("TXT"), "text/plain");
  EXPECT_EQ(types.typeForExtension("docx"), "application/vnd.openxmlformats-officedocument.wordprocessingml.document");
  EXPECT_EQ(types.typeForExtension("sh"), "application/x-shellscript");
  // No glob: no type, not GIO's generic fallback.
  EXPECT_EQ(types.typeForExtension("nimbra-no-such-ext"), std::nullopt);
  EXPECT_EQ(types.typeForExtension(""), std::nullopt);
  // Ambiguous globs still answer with a type.
  EXPECT_TRUE(types.typeForExtension("key").has_value());
}

TEST(GioContentTypes, GenericDataConformance) {
  const auto& types = *systemContentTypes();
  EXPECT_TRUE(types.conformsToData("text/plain"));
  EXPECT_TRUE(types.conformsToData("application/pdf"));
  EXPECT_FALSE(types.conformsToData(types.folderType()));
  EXPECT_FALSE(types.conformsToData(types.aliasType()));
}

TEST(GioContentTypes, GiveTheCatalogueItsIcons) {
  const auto& types = *systemContentTypes();
  const auto& catalogue = NewItem::builtIns();
  EXPECT_EQ(catalogue[0].contentType(types), "inode/directory");
  EXPECT_EQ(catalogue[9].contentType(types), "text/plain");
  EXPECT_EQ(catalogue[10].contentType(types), "text/html");
  EXPECT_EQ(catalogue[22].contentType(types), "text/plain");  // Makefile has no extension
}

TEST(Packages, RecogniseBundleExtensionsInAnyCase) {
  EXPECT_TRUE(isPackageName("Tool.app"));
  EXPECT_TRUE(isPackageName("Deck.KEY"));
  EXPECT_FALSE(isPackageName("Build 1.2"));
  EXPECT_FALSE(isPackageName("app"));
  EXPECT_FALSE(isPackageName(".app"));
  EXPECT_FALSE(isPackageName("Photos"));
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
