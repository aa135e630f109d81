#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <fstream>

#include "CommandTestSupport.h"

namespace nimbra::testing {
namespace {

// A private world: home, settings and desktop entries of the test's own.
class World {
 public:
  World() {
    std::filesystem::create_directories(home_.path() / ".local/share/applications");
  }
  void installApp(const std::string& desktopID, const std::string& name, const std::string& mimeTypes = "") {
    const auto apps = home_.path() / ".local/share/applications";
    std::ofstream(apps / desktopID) << "[Desktop Entry]\nType=Application\nName=" << name
                                    << "\nExec=/bin/true %F\nMimeType=" << mimeTypes << "\n";
    ASSERT_EQ(std::system(("update-desktop-database " + apps.string()).c_str()), 0);
  }
  std::vector<std::string> env(bool reachableStore = true) const {
    const auto config = reachableStore ? home_.path() / ".config" : home_.path() / "not-a-folder";
    if (!reachableStore) std::ofstream(config) << "a file where the settings folder should be";
    return {"HOME=" + home_.path().string(), "XDG_CONFIG_HOME=" + config.string(),
            "XDG_DATA_HOME=" + (home_.path() / ".local/share").string(),
            "XDG_DATA_DIRS=/nonexistent-nimbra:/usr/share", "LANG=C.UTF-8", "LC_ALL=", "LANGUAGE="};
  }
  const std::filesystem::path& home() const { return home_.path(); }

 private:
  TempDir home_;
};

CommandResult menu(std::vector<std::string> args, std::vector<std::string> env = {}) {
  static const World empty;
  auto full = empty.env();
  for (const auto& extra : env) {
    std::erase_if(full, [&](const std::string& e) { return e.substr(0, e.find('=')) == extra.substr(0, extra.find('=')); });
    full.push_back(extra);
  }
  return runProgram(builtProgram("nimbra-menu"), args, full);
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

TEST(NimbraMenu, UnreachableStoreGivesFinishSetupForEveryKind) {
  World world;
  for (const auto* kind : {"items", "container", "sidebar", "toolbar", "7"}) {
    const auto r = runProgram(builtProgram("nimbra-menu"), {kind}, world.env(/*reachableStore=*/false));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "[0] Finish Setting Up Nimbra…\n") << kind;
  }
}

TEST(NimbraMenu, InstalledApplicationsAppearUnderOpenWith) {
  World world;
  world.installApp("code.desktop", "Code - OSS");
  world.installApp("org.example.Notes.desktop", "Example Notes");
  const auto env = world.env();
  // Nothing is listed for the unknown app until it is in the Open with list.
  EXPECT_EQ(runProgram(builtProgram("nimbra-menu"), {"sidebar"}, env).out,
            "Open Folder with ▸\n  [0] Visual Studio Code\n");
  const auto list = world.home() / "openWith.json";
  std::ofstream(list) << R"([{"bundleID":"org.example.Notes","enabled":true,"isKnown":false},)"
                      << R"({"bundleID":"com.microsoft.VSCode","enabled":true,"isKnown":true}])";
  ASSERT_EQ(runProgram(builtProgram("nimbra-defaults"), {"write", "openWith", "-data-file", list.string()}, env).status, 0);

  const auto folder = world.home().string();
  EXPECT_EQ(runProgram(builtProgram("nimbra-menu"), {"sidebar"}, env).out,
            "Open Folder with ▸\n  [0] Example Notes\n  [1] Visual Studio Code\n");
  const auto items = runProgram(builtProgram("nimbra-menu"), {"items", "--select", folder}, env).out;
  EXPECT_NE(items.find("  [5] Example Notes\n"), std::string::npos) << items;
  // A file in the selection: no Open with.
  const auto file = runProgram(builtProgram("nimbra-menu"), {"items", "--select", folder, "--select", list.string()}, env).out;
  EXPECT_EQ(file.find("Open Folder with"), std::string::npos) << file;
  const auto container = runProgram(builtProgram("nimbra-menu"), {"container", "--target", folder}, env).out;
  EXPECT_NE(container.find("Open Folder with ▸\n  [4] Example Notes"), std::string::npos) << container;
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
