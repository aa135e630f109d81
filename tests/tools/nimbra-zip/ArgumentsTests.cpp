#include "Arguments.h"

#include <gtest/gtest.h>

namespace nimbra::ziptool {
namespace {

std::optional<Arguments> parse(std::vector<std::string_view> args) { return parseArguments(args); }

TEST(NimbraZipArguments, AcceptsTheArchiverFormInAnyOptionOrderAndNothingElse) {
  const Arguments expected{"src", "out.zip"};
  EXPECT_EQ(parse({"-c", "-k", "--norsrc", "--noextattr", "--noqtn", "--noacl", "src", "out.zip"}), expected);
  EXPECT_EQ(parse({"--noacl", "-k", "--noqtn", "-c", "src", "out.zip"}), expected);
  // After "--" a path may start with a dash.
  EXPECT_EQ(parse({"-c", "-k", "--", "-src", "-out.zip"}), (Arguments{"-src", "-out.zip"}));
  for (const auto& bad : std::vector<std::vector<std::string_view>>{
           {}, {"-c", "src", "out.zip"}, {"-k", "src", "out.zip"}, {"-ck", "src", "out.zip"},
           {"-c", "-k", "--keepParent", "src", "out.zip"}, {"-c", "-k", "src"}, {"-c", "-k", "a", "b", "c"},
           {"-c", "-k", "src", ""}}) {
    EXPECT_EQ(parse(bad), std::nullopt) << ::testing::PrintToString(bad);
  }
}

}  // namespace
}  // namespace nimbra::ziptool
