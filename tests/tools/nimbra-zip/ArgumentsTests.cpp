#include "Arguments.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace nimbra::ziptool {
namespace {

std::optional<Arguments> parse(std::vector<std::string_view> args) { return parseArguments(args); }

TEST(NimbraZipArguments, AcceptsTheArchiverFormInAnyOptionOrder) {
  const Arguments expected{"src", "out.zip"};
  EXPECT_EQ(parse({"-c", "-k", "--norsrc", "--noextattr", "--noqtn", "--noacl", "src", "out.zip"}), expected);
  EXPECT_EQ(parse({"--noacl", "-k", "--noqtn", "-c", "src", "out.zip"}), expected);
  EXPECT_EQ(parse({"-c", "-k", "src", "out.zip"}), expected);
  // After "--" a path may start with a dash.
  EXPECT_EQ(parse({"-c", "-k", "--", "-src", "-out.zip"}), (Arguments{"-src", "-out.zip"}));
}

TEST(NimbraZipArguments, RejectsEverythingElse) {
  EXPECT_EQ(parse({}), std::nullopt);
  EXPECT_EQ(parse({"-c", "src", "out.zip"}), std::nullopt);
  EXPECT_EQ(parse({"-k", "src", "out.zip"}), std::nullopt);
  EXPECT_EQ(parse({"-ck", "src", "out.zip"}), std::nullopt);
  EXPECT_EQ(parse({"-c", "-k", "--keepParent", "src", "out.zip"}), std::nullopt);
  EXPECT_EQ(parse({"-c", "-k", "src"}), std::nullopt);
  EXPECT_EQ(parse({"-c", "-k", "a", "b", "c"}), std::nullopt);
  EXPECT_EQ(parse({"-c", "-k", "src", ""}), std::nullopt);
}

}  // namespace
}  // namespace nimbra::ziptool
