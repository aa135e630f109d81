// Each built module loaded as its file manager loads it, asked for menus about fake
// file descriptions and picked, in a private world with a private bus. Every rule
// runs once per file manager. Runs with G_DEBUG=fatal-warnings,fatal-criticals:
// any GLib warning fails it.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <algorithm>
#include <string>
#include <vector>

#include "BusNameOwner.h"
#include "BusRecording.h"
#include "HostModules.h"
#include "MainLoop.h"
#include "PrivateSessionBus.h"
#include "World.h"
#include "nimbra/platform/linux/GioSupport.h"

namespace nimbra::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct Item {
  std::string name, label;
  bool sensitive = false;
  GObject* object = nullptr;
  std::vector<Item> children;
};

// A returned item list as a tree; the list is freed, the items stay referenced in `keep`.
std::vector<Item> tree(const HostCase& host, GList* items, std::vector<GObject*>& keep) {
  std::vector<Item> result;
  for (GList* l = items; l; l = l->next) {
    Item item;
    gchar *name = nullptr, *label = nullptr;
    GObject* menu = nullptr;
    gboolean sensitive = FALSE;
    g_object_get(l->data, "name", &name, "label", &label, "menu", &menu, "sensitive", &sensitive, nullptr);
    item.name = name ? name : "";
    item.label = label ? label : "";
    item.sensitive = sensitive;
    item.object = G_OBJECT(l->data);
    keep.push_back(G_OBJECT(g_object_ref(l->data)));
    if (menu) {
      item.children = tree(host, host.submenuItems(menu), keep);
      g_object_unref(menu);
    }
    g_free(name);
    g_free(label);
    result.push_back(std::move(item));
  }
  g_list_free_full(items, g_object_unref);
  return result;
}

void activate(const Item& item) { g_signal_emit_by_name(item.object, "activate"); }

std::vector<std::string> labels(const std::vector<Item>& items) {
  std::vector<std::string> result;
  for (const auto& item : items) result.push_back(item.label);
  return result;
}

class HostModuleTest : public ::testing::TestWithParam<const HostCase*> {
 protected:
  HostModuleTest() : host_(*GetParam()) {
    for (const auto* dir : {"Desktop", "Documents", "work"}) fs::create_directories(world_.home() / dir);
    world_.installApp("code.desktop", "Code");
    // The module reads the world from this process's environment.
    env_ = world_.env({"DBUS_SESSION_BUS_ADDRESS=" + bus_.address()});
    for (const auto& entry : env_) ::putenv(const_cast<char*>(entry.c_str()));
    recorder_ = std::make_unique<BusRecording>(bus_.address());
    // NIMBRA_MODULE in the environment tests an installed module instead.
    const char* installed = std::getenv("NIMBRA_MODULE");
    module_ = host_.load(installed ? fs::path(installed) : host_.builtModule);
    // Ready, with the caches warm: the installed editor is offered.
    EXPECT_TRUE(iterateUntil([&] { return background(work()).size() == 2; })) << "the module never got ready";
  }

  fs::path work() const { return world_.home() / "work"; }

  std::vector<Item> background(const fs::path& folder) { return backgroundAt(platform::fileURI(folder)); }
  std::vector<Item> backgroundAt(const std::string& location) {
    GObject* folder = fakeFile(location.c_str(), true);
    auto items = tree(host_, host_.background(provider(), folder), keep_);
    g_object_unref(folder);
    return items;
  }
  std::vector<Item> files(const std::vector<std::pair<std::string, bool>>& selection) {
    GList* infos = nullptr;
    for (const auto& [location, isDirectory] : selection) infos = g_list_append(infos, fakeFile(location.c_str(), isDirectory));
    auto items = tree(host_, host_.files(provider(), infos), keep_);
    g_list_free_full(infos, g_object_unref);
    return items;
  }

  GObject* provider() const { return module_->provider(host_.providerInterface); }

  // What the recorder gets when `item` is revealed. It answers FileManager1 from
  // another process than the module's: Thunar then shows the item in a window of
  // its own, as it does where another file manager has the name.
  std::string revealed(const fs::path& item) const {
    if (host_.name == "thunar") return "select " + platform::fileURI(item.parent_path()) + " " + item.filename().string();
    return "reveal " + platform::fileURI(item);
  }

  // The recorder got `line`; the module's work reports back through the main loop meanwhile.
  bool recorded(const std::string& line) {
    return iterateUntil([&] { return std::ranges::count(recorder_->lines(), line) > 0; });
  }

  bool busNameOwned() const { return busNameHasOwner(bus_.address(), "ai.corvane.nimbra.Extension"); }

  ~HostModuleTest() override {
    for (auto* object : keep_) g_object_unref(object);
  }

  const HostCase& host_;
  World world_;
  PrivateSessionBus bus_;
  std::vector<std::string> env_;
  std::unique_ptr<BusRecording> recorder_;
  std::unique_ptr<LoadedModule> module_;
  std::vector<GObject*> keep_;
};

TEST_P(HostModuleTest, TheFolderBackgroundOffersNewAndEachPickRunsItsOwnItem) {
  const auto items = background(work());
  ASSERT_EQ(labels(items), (std::vector<std::string>{"New", "Open Folder with"}));
  const auto& leaves = items[0].children;
  EXPECT_EQ(labels(leaves), (std::vector<std::string>{"Folder", "Alias", "Rich Text Document", "Text Document"}));
  EXPECT_EQ(items[0].name, "NimbraExtension::container::menu1");
  EXPECT_EQ(leaves[0].name, "NimbraExtension::container::0");
  EXPECT_EQ(leaves[3].name, "NimbraExtension::container::3");
  EXPECT_TRUE(leaves[0].sensitive);

  // A menu built later for another folder does not change what this item does.
  fs::create_directories(work() / "elsewhere");
  background(work() / "elsewhere");
  activate(leaves[0]);
  activate(leaves[0]);
  ASSERT_TRUE(iterateUntil([&] { return fs::is_directory(work() / "New Folder 2"); }));
  EXPECT_TRUE(fs::is_empty(work() / "elsewhere"));
  EXPECT_TRUE(recorded("signal ai.corvane.nimbra.menuUsed"));
  // Only Thunar has a rename call of its own, which shows the item too; the others
  // reveal it, and their renames need their windows.
  const auto made = work() / "New Folder 2";
  const auto renamed = "rename " + platform::fileURI(made);
  const bool renamesItself = host_.name == "thunar";
  EXPECT_TRUE(recorded(renamesItself ? renamed : revealed(made)));
  EXPECT_FALSE(recorder_->waitFor(renamesItself ? revealed(made) : renamed, 200ms));
}

TEST_P(HostModuleTest, SelectedItemsGetSendToAndFoldersOpenFolderWith) {
  std::ofstream(work() / "report.pdf") << "%PDF";
  fs::create_directories(work() / "src");
  fs::create_directory_symlink(work() / "src", work() / "src link");
  fs::create_directories(work() / "Tool.app");
  const auto file = files({{platform::fileURI(work() / "report.pdf"), false}});
  ASSERT_EQ(labels(file), std::vector<std::string>{"Send to"});
  EXPECT_EQ(labels(file[0].children), (std::vector<std::string>{"Compressed (zipped) folder", "Desktop",
                                                                "Desktop (create shortcut)", "Documents", "Another Folder…"}));
  EXPECT_EQ(labels(files({{platform::fileURI(work() / "src"), true}, {platform::fileURI(work() / "src link"), true}})),
            (std::vector<std::string>{"Send to", "Open Folder with"}));
  EXPECT_EQ(labels(files({{platform::fileURI(work() / "Tool.app"), true}})), std::vector<std::string>{"Send to"});

  activate(file[0].children[0]);
  ASSERT_TRUE(iterateUntil([&] { return fs::exists(work() / "report.zip"); }));
  EXPECT_TRUE(recorded(revealed(work() / "report.zip")));
}

TEST_P(HostModuleTest, PlacesThatAreNotLocalFoldersGetNoMenus) {
  EXPECT_TRUE(backgroundAt("trash:///").empty());
  EXPECT_TRUE(backgroundAt("recent:///").empty());
  EXPECT_TRUE(files({{platform::fileURI(work()), true}, {"trash:///gone.txt", false}}).empty());
  EXPECT_TRUE(files({}).empty());
}

TEST_P(HostModuleTest, TheUsersSwitchTakesTheMenusAwayAtOnceAndBack) {
  ASSERT_TRUE(iterateUntil([&] { return busNameOwned(); }));
  const auto flag = world_.home() / ".config/ai.corvane.nimbra/extension-off";
  std::ofstream(flag) << "";
  EXPECT_TRUE(iterateUntil([&] { return background(work()).empty() && !busNameOwned(); }));
  fs::remove(flag);
  EXPECT_TRUE(iterateUntil([&] { return !background(work()).empty() && busNameOwned(); }));
}

TEST_P(HostModuleTest, APickWaitingForTheDiskNeverHoldsUpTheMenus) {
  std::ofstream(work() / "a.txt") << "a";
  const auto file = files({{platform::fileURI(work() / "a.txt"), false}});
  // Another process is in the middle of a write to the settings: storing the
  // pending transfer must wait for it.
  sqlite3* other = nullptr;
  sqlite3_open((world_.home() / ".config/K4W81H3Q06.ai.corvane.nimbra/defaults.sqlite").c_str(), &other);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  activate(file[0].children[4]);  // Another Folder…
  for (int i = 0; i < 50; ++i) {
    ASSERT_EQ(labels(files({{platform::fileURI(work() / "a.txt"), false}})), std::vector<std::string>{"Send to"});
    g_main_context_iteration(nullptr, FALSE);
  }
  EXPECT_FALSE(recorder_->waitFor("signal ai.corvane.nimbra.transfer", 200ms));
  sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  EXPECT_TRUE(recorded("signal ai.corvane.nimbra.transfer"));
}

TEST_P(HostModuleTest, ItemsOutliveTheProviderAndTheModuleLoadsAgain) {
  const auto before = background(work());
  module_->unload();
  activate(before[0].children[0]);
  EXPECT_TRUE(iterateUntil([&] { return fs::is_directory(work() / "New Folder"); }));
  module_->load();
  activate(background(work())[0].children[0]);
  EXPECT_TRUE(iterateUntil([&] { return fs::is_directory(work() / "New Folder 2"); }));
}

INSTANTIATE_TEST_SUITE_P(FileManagers, HostModuleTest, ::testing::Values(&kNautilus, &kNemo, &kCaja, &kThunar),
                         [](const auto& info) { return info.param->name; });

}  // namespace
}  // namespace nimbra::testing
