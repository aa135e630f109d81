// The built plugin loaded through KPluginFactory as Dolphin loads it, offscreen,
// asked for actions about KFileItems from a window with a URL navigator, as
// Dolphin's own, and picked, in a private world with a private bus.

// GLib's headers first: Qt's keyword macros (signals, slots) would break them.
#include "BusNameOwner.h"
#include "BusRecording.h"
#include "PrivateSessionBus.h"
#include "World.h"
#include "nimbra/platform/linux/GioSupport.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <KAbstractFileItemActionPlugin>
#include <KFileItem>
#include <KFileItemListProperties>
#include <KPluginFactory>
#include <KPluginMetaData>
#include <KUrlNavigator>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace nimbra::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Turns Qt's event loop, which runs GLib's main context too, until `done` or 10 s.
bool spinUntil(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + 10s;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    QCoreApplication::processEvents();
    g_usleep(2000);
  }
  return true;
}

std::vector<std::string> titles(const QList<QAction*>& actions) {
  std::vector<std::string> result;
  for (const auto* action : actions) result.push_back(action->text().toStdString());
  return result;
}

QAction* leaf(const QList<QAction*>& actions, int menu, int item) { return actions[menu]->menu()->actions()[item]; }

class DolphinPluginTest : public ::testing::Test {
 protected:
  DolphinPluginTest() {
    for (const auto* dir : {"Desktop", "Documents", "work"}) fs::create_directories(world_.home() / dir);
    world_.installApp("code.desktop", "Code");
    env_ = world_.env({"DBUS_SESSION_BUS_ADDRESS=" + bus_.address()});
    for (const auto& entry : env_) ::putenv(const_cast<char*>(entry.c_str()));
    recorder_ = std::make_unique<BusRecording>(bus_.address());
    // NIMBRA_MODULE in the environment tests an installed plugin instead.
    const char* installed = std::getenv("NIMBRA_MODULE");
    plugin_.reset(KPluginFactory::instantiatePlugin<KAbstractFileItemActionPlugin>(
                      KPluginMetaData(QString::fromLocal8Bit(installed ? installed : NIMBRA_DOLPHIN_PLUGIN)))
                      .plugin);
    // Dolphin's window shows the folder in its active URL navigator.
    navigator_ = new KUrlNavigator(&window_);
    navigator_->setLocationUrl(QUrl::fromLocalFile(QString::fromStdString(work())));
    navigator_->setActive(true);
    // The first menu of the process waits for the set-up instead of coming without
    // ours; the installed editor is offered once the caches have looked it up.
    EXPECT_TRUE(plugin_ && !background().isEmpty()) << "the first menu came without ours";
    EXPECT_TRUE(spinUntil([&] { return background().size() == 2; })) << "the caches never got warm";
  }

  std::string work() const { return (world_.home() / "work").string(); }

  QList<QAction*> actionsFor(const std::vector<std::pair<std::string, bool>>& items, QWidget* from) {
    KFileItemList list;
    for (const auto& [location, isDirectory] : items) {
      const auto url = location.find(':') == std::string::npos ? QUrl::fromLocalFile(QString::fromStdString(location))
                                                               : QUrl(QString::fromStdString(location));
      list.append(KFileItem(url, QString(), isDirectory ? S_IFDIR : S_IFREG));
    }
    return plugin_->actions(KFileItemListProperties(list), from);
  }
  // Dolphin's background: the folder shown, as the only item.
  QList<QAction*> background() { return actionsFor({{work(), true}}, &window_); }
  QList<QAction*> selected(const std::vector<std::pair<std::string, bool>>& items) { return actionsFor(items, &window_); }

  bool recorded(const std::string& line) {
    return spinUntil([&] { return std::ranges::count(recorder_->lines(), line) > 0; });
  }

  World world_;
  PrivateSessionBus bus_;
  std::vector<std::string> env_;
  std::unique_ptr<BusRecording> recorder_;
  std::unique_ptr<KAbstractFileItemActionPlugin> plugin_;
  QWidget window_;
  KUrlNavigator* navigator_ = nullptr;
};

TEST_F(DolphinPluginTest, TheFolderShownGetsNewAndEachPickRunsItsOwnAction) {
  const auto actions = background();
  ASSERT_EQ(titles(actions), (std::vector<std::string>{"New", "Open Folder with"}));
  EXPECT_EQ(titles(actions[0]->menu()->actions()),
            (std::vector<std::string>{"Folder", "Alias", "Rich Text Document", "Text Document"}));
  QAction* folder = leaf(actions, 0, 0);
  folder->trigger();
  ASSERT_TRUE(spinUntil([&] { return fs::is_directory(fs::path(work()) / "New Folder"); }));
  EXPECT_TRUE(recorded("reveal " + platform::fileURI(fs::path(work()) / "New Folder")));
}

TEST_F(DolphinPluginTest, SelectedItemsGetSendToAndFoldersOpenFolderWith) {
  const fs::path dir = work();
  std::ofstream(dir / "report.pdf") << "%PDF";
  fs::create_directories(dir / "src");
  fs::create_directory_symlink(dir / "src", dir / "src link");
  const auto file = selected({{(dir / "report.pdf").string(), false}});
  ASSERT_EQ(titles(file), std::vector<std::string>{"Send to"});
  leaf(file, 0, 0)->trigger();
  ASSERT_TRUE(spinUntil([&] { return fs::exists(dir / "report.zip"); }));
  EXPECT_TRUE(recorded("reveal " + platform::fileURI(dir / "report.zip")));
  // A new menu's actions replace the last one's, which has closed by then.
  EXPECT_EQ(titles(selected({{(dir / "src").string(), true}, {(dir / "src link").string(), true}})),
            (std::vector<std::string>{"Send to", "Open Folder with"}));
  // The folder shown, right-clicked in another window (a Folders panel, say), is a selected item.
  QWidget elsewhere;
  EXPECT_EQ(titles(actionsFor({{work(), true}}, &elsewhere)), (std::vector<std::string>{"Send to", "Open Folder with"}));
}

TEST_F(DolphinPluginTest, OnlyLocalItemsGetMenusAndTheSwitchTakesThemAndTheBusNameAway) {
  EXPECT_TRUE(selected({{"trash:/gone.txt", false}}).isEmpty());
  EXPECT_TRUE(selected({{work(), true}, {"sftp://host/file", false}}).isEmpty());
  const auto owned = [&] { return busNameHasOwner(bus_.address(), "ai.corvane.nimbra.Extension"); };
  ASSERT_TRUE(spinUntil(owned));
  const auto flag = world_.home() / ".config/ai.corvane.nimbra/extension-off";
  std::ofstream(flag) << "";
  EXPECT_TRUE(spinUntil([&] { return background().isEmpty() && !owned(); }));
  fs::remove(flag);
  EXPECT_TRUE(spinUntil([&] { return !background().isEmpty() && owned(); }));
}

TEST_F(DolphinPluginTest, APickWaitingForTheDiskNeverHoldsUpTheMenus) {
  const fs::path dir = work();
  std::ofstream(dir / "a.txt") << "a";
  const auto file = selected({{(dir / "a.txt").string(), false}});
  sqlite3* other = nullptr;
  sqlite3_open((world_.home() / ".config/K4W81H3Q06.ai.corvane.nimbra/defaults.sqlite").c_str(), &other);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  leaf(file, 0, 4)->trigger();  // Another Folder…
  for (int i = 0; i < 50; ++i) {
    ASSERT_EQ(titles(selected({{(dir / "a.txt").string(), false}})), std::vector<std::string>{"Send to"});
    QCoreApplication::processEvents();
  }
  EXPECT_FALSE(recorder_->waitFor("signal ai.corvane.nimbra.transfer", 200ms));
  sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  EXPECT_TRUE(recorded("signal ai.corvane.nimbra.transfer"));
}

}  // namespace
}  // namespace nimbra::testing

// Qt 5's offscreen platform never frees the screen it makes; nothing of ours leaks there.
extern "C" const char* __lsan_default_suppressions() { return "leak:libqoffscreen.so\n"; }

// Widgets need the application object before any test makes one. Offscreen by
// argument, not by the environment: the companion app a pick launches inherits
// that, and must not stay running without a display.
int main(int argc, char** argv) {
  ::setenv("NIMBRA_BIN_DIR", NIMBRA_BIN_DIR, 0);
  int qtArgc = 3;
  char platform[] = "-platform", offscreen[] = "offscreen";
  char* qtArgv[] = {argv[0], platform, offscreen, nullptr};
  QApplication application(qtArgc, qtArgv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
