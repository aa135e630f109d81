#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "CommandTestSupport.h"

namespace nimbra::testing {
namespace {

CommandResult menu(std::vector<std::string> args, std::vector<std::string> env = {}) {
  env.emplace_back("LANG=C.UTF-8");
  env.emplace_back("LC_ALL=");
  return runProgram(builtProgram("nimbra-menu"), args, env);
}

TEST(NimbraMenu, PrintsTheContainerMenuAsIndentedText) {
  const auto r = menu({"container"});
  EXPECT_EQ(r.status, 0) << r.err;
  // Defaults, no applications installed: the office documents stay hidden.
  EXPECT_EQ(r.out,
            "New \u25B8\n"
            "  [0] Folder\n"
            "  [1] Alias\n"
            "  [2] Rich Text Document\n"
            "  [3] Text Document\n");
}

TEST(NimbraMenu, AcceptsKindNamesAndNumbers) {
  EXPECT_EQ(menu({"1"}).out, menu({"container"}).out);
  EXPECT_EQ(menu({"99"}).out, menu({"container"}).out);
  EXPECT_EQ(menu({"0"}).out, menu({"items"}).out);
  EXPECT_EQ(menu({"3"}).out, menu({"toolbar"}).out);
  const auto sidebar = menu({"2"});
  EXPECT_EQ(sidebar.status, 0);
  EXPECT_EQ(sidebar.out, "");  // no application installed: no menu
  EXPECT_EQ(menu({"sidebar", "--json"}).out, "[]\n");
}

TEST(NimbraMenu, PrintsJsonWithOneKeyANode) {
  const auto r = menu({"toolbar", "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto json = nlohmann::json::parse(r.out);
  ASSERT_TRUE(json.is_array());
  ASSERT_EQ(json.size(), 6u);
  EXPECT_EQ(json[0], nlohmann::json::parse(
                         R"({"action":{"title":"Folder","icon":{"folder":{}},"action":{"create":{"itemID":"folder"}},"tag":0}})"));
  EXPECT_EQ(json[3]["action"]["icon"], nlohmann::json::parse(R"({"contentType":"text/plain"})"));
  EXPECT_EQ(json[4], nlohmann::json::parse(R"({"separator":{}})"));
  EXPECT_EQ(json[5], nlohmann::json::parse(
                         R"({"action":{"title":"Customize Menus…","icon":null,"action":{"customize":{}},"tag":4}})"));
}

TEST(NimbraMenu, ItemsMenuOffersSendToAndLocalises) {
  TempDir dir;
  const auto r = menu({"items", "--select", dir.path().string(), "--json"});
  ASSERT_EQ(r.status, 0);
  const auto json = nlohmann::json::parse(r.out);
  ASSERT_EQ(json.size(), 1u);
  const auto& sendTo = json[0]["submenu"];
  EXPECT_EQ(sendTo["title"], "Send to");
  EXPECT_EQ(sendTo["children"].size(), 5u);
  EXPECT_EQ(sendTo["children"][4]["action"]["action"], nlohmann::json::parse(R"({"sendTo":"otherFolder"})"));

  const auto german = menu({"items"}, {"LANG=de_DE.UTF-8"});
  EXPECT_EQ(german.out.substr(0, german.out.find('\n')), "Senden an \u25B8");
}

TEST(NimbraMenu, RejectsBadArgumentsWithUsage) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {}, {"menu"}, {"container", "--target"}, {"container", "--bogus"}, {"1x"}, {"items", "--select"}}) {
    const auto r = menu(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("usage: nimbra-menu"), std::string::npos);
    EXPECT_EQ(r.out, "");
  }
}

}  // namespace
}  // namespace nimbra::testing
