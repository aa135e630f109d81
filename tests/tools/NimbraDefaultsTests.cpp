// nimbra-defaults end to end, against a fresh configuration folder.

#include <gtest/gtest.h>

#include "World.h"

namespace nimbra::testing {
namespace {

class NimbraDefaultsTest : public ::testing::Test {
 protected:
  CommandResult defaults(const std::vector<std::string>& args) const { return world_.run("nimbra-defaults", args); }
  const World world_;
};

TEST_F(NimbraDefaultsTest, WritesReadsListsAndDeletesEveryType) {
  EXPECT_EQ(defaults({"read"}).status, 0);
  EXPECT_EQ(defaults({"read"}).out, "");
  const std::string bytes("[1,\0\xff]", 6);
  writeText(world_.home() / "blob", bytes);
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"write", "flag", "-bool", "false"},
           {"write", "count", "-int", "-12"},
           {"write", "name", "-string", "two words"},
           {"write", "paths", "-array", "/a", "/b c"},
           {"write", "blob", "-data-file", (world_.home() / "blob").string()},
       }) {
    EXPECT_EQ(defaults(args).status, 0) << args[1];
  }
  EXPECT_EQ(defaults({"read", "name"}).out, "two words\n");
  EXPECT_EQ(defaults({"read", "paths"}).out, "/a\n/b c\n");
  EXPECT_EQ(defaults({"read", "blob"}).out, bytes);
  EXPECT_EQ(defaults({"read"}).out,
            "blob: data (6 bytes) \"[1,\\x00\xff]\"\n"
            "count: integer -12\n"
            "flag: bool false\n"
            "name: string \"two words\"\n"
            "paths: array [\"/a\", \"/b c\"]\n");

  EXPECT_EQ(defaults({"delete", "flag"}).status, 0);
  const auto absent = defaults({"read", "flag"});
  EXPECT_EQ(absent.status, 1);
  EXPECT_EQ(absent.err, "no value for flag\n");
  EXPECT_EQ(defaults({"delete", "flag"}).status, 1);
}

TEST_F(NimbraDefaultsTest, BadUsageShowsTheUsageAndUnreadableDataFails) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {}, {"read", "a", "b"}, {"write", "k"}, {"write", "k", "-int", "1.5"}, {"write", "k", "-bool", "maybe"},
           {"write", "k", "-string"}, {"write", "k", "-float", "1"}, {"delete"}}) {
    const auto result = defaults(args);
    EXPECT_EQ(result.status, 2) << ::testing::PrintToString(args);
    EXPECT_EQ(result.err.rfind("usage: nimbra-defaults", 0), 0u) << result.err;
  }
  const auto folder = defaults({"write", "k", "-data-file", world_.home().string()});
  EXPECT_EQ(folder.status, 1);
  EXPECT_EQ(folder.err.rfind("nimbra-defaults: cannot read ", 0), 0u) << folder.err;
  EXPECT_EQ(defaults({"read"}).out, "");
}

}  // namespace
}  // namespace nimbra::testing
