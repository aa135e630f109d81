// nimbra-menu printing menus from a private world: the real settings store, desktop
// entries, string tables and templates, and the two output forms.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "World.h"

namespace nimbra::testing {
namespace {

TEST(NimbraMenu, PrintsTheContainerMenuAsIndentedTextWhateverTheKindIsCalled) {
  const World world;
  const auto r = world.menu({"container"});
  EXPECT_EQ(r.status, 0) << r.err;
  // Defaults, no applications installed: the office documents stay hidden.
  EXPECT_EQ(r.out, "New \u25B8\n  [0] Folder\n  [1] Alias\n  [2] Rich Text Document\n  [3] Text Document\n");
  EXPECT_EQ(world.menu({"1"}).out, r.out);
  EXPECT_EQ(world.menu({"99"}).out, r.out);
  EXPECT_EQ(world.menu({"0"}).out, world.menu({"items"}).out);
  EXPECT_EQ(world.menu({"3"}).out, world.menu({"toolbar"}).out);
  const auto sidebar = world.menu({"2"});
  EXPECT_EQ(sidebar.status, 0);
  EXPECT_EQ(sidebar.out, "");  // no application installed: no menu
  EXPECT_EQ(world.menu({"sidebar", "--json"}).out, "[]\n");
}

TEST(NimbraMenu, PrintsJsonWithOneKeyANode) {
  const auto r = World().menu({"toolbar", "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto json = nlohmann::json::parse(r.out);
  ASSERT_EQ(json.size(), 6u);
  EXPECT_EQ(json[0], nlohmann::json::parse(
                         R"({"action":{"title":"Folder","icon":{"folder":{}},"action":{"create":{"itemID":"folder"}},"tag":0}})"));
  EXPECT_EQ(json[3]["action"]["icon"], nlohmann::json::parse(R"({"contentType":"text/plain"})"));
  EXPECT_EQ(json[4], nlohmann::json::parse(R"({"separator":{}})"));
  EXPECT_EQ(json[5]["action"]["action"], nlohmann::json::parse(R"({"customize":{}})"));
}

TEST(NimbraMenu, InstalledApplicationsAppearUnderOpenWith) {
  World world;
  world.installApp("code.desktop", "Code - OSS");
  world.installApp("org.example.Notes.desktop", "Example Notes");
  // Nothing is listed for the unknown app until it is in the Open with list.
  EXPECT_EQ(world.menu({"sidebar"}).out, "Open Folder with \u25B8\n  [0] Visual Studio Code\n");
  const auto list = world.home() / "openWith.json";
  writeText(list, R"([{"bundleID":"org.example.Notes","enabled":true,"isKnown":false},)"
                  R"({"bundleID":"com.microsoft.VSCode","enabled":true,"isKnown":true}])");
  ASSERT_EQ(world.run("nimbra-defaults", {"write", "openWith", "-data-file", list.string()}).status, 0);

  EXPECT_EQ(world.menu({"sidebar"}).out, "Open Folder with \u25B8\n  [0] Example Notes\n  [1] Visual Studio Code\n");
  const auto items = world.menu({"items", "--select", world.home().string()}).out;
  EXPECT_NE(items.find("  [5] Example Notes\n"), std::string::npos) << items;
}

TEST(NimbraMenu, RejectsBadArgumentsWithUsage) {
  const World world;
  for (const auto& args : std::vector<std::vector<std::string>>{
           {}, {"menu"}, {"container", "--target"}, {"container", "--bogus"}, {"1x"}, {"items", "--pick", "0", "--json"}}) {
    const auto r = world.menu(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("usage: nimbra-menu"), std::string::npos);
    EXPECT_EQ(r.out, "");
  }
}

}  // namespace
}  // namespace nimbra::testing
