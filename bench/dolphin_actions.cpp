// One actions() call of the built Dolphin plugin, warm, as Dolphin makes it: for a
// folder's background and for one selected file, from a window whose URL navigator
// shows the folder. Each call is timed on its own; the 99th percentile is
// reported beside the mean.

// GLib's headers first: Qt's keyword macros (signals, slots) would break them.
#include "PrivateSessionBus.h"
#include "World.h"

#include <glib.h>

#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include <KAbstractFileItemActionPlugin>
#include <KFileItem>
#include <KFileItemListProperties>
#include <KPluginFactory>
#include <KPluginMetaData>
#include <KUrlNavigator>
#include <QAction>
#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <vector>

namespace {

using namespace nimbra::testing;
using Clock = std::chrono::steady_clock;

struct Setting {
  Setting() {
    std::filesystem::create_directories(work());
    std::ofstream(work() / "report.txt") << "figures";
    world.installApp("code.desktop", "Code");
    env = world.env({"DBUS_SESSION_BUS_ADDRESS=" + bus.address()});
    for (const auto& entry : env) ::putenv(const_cast<char*>(entry.c_str()));
    plugin = KPluginFactory::instantiatePlugin<KAbstractFileItemActionPlugin>(KPluginMetaData(NIMBRA_DOLPHIN_PLUGIN)).plugin;
    auto* navigator = new KUrlNavigator(&window);
    navigator->setLocationUrl(QUrl::fromLocalFile(QString::fromStdString(work().string())));
    // Warm: the installed editor offered.
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (plugin && Clock::now() < deadline && actions(folderItems()).size() < 2) {
      QCoreApplication::processEvents();
      g_usleep(2000);
    }
  }
  std::filesystem::path work() const { return world.home() / "work"; }
  KFileItemListProperties folderItems() const {
    return KFileItemListProperties({KFileItem(QUrl::fromLocalFile(QString::fromStdString(work().string())), QString(), S_IFDIR)});
  }
  KFileItemListProperties fileItems() const {
    return KFileItemListProperties(
        {KFileItem(QUrl::fromLocalFile(QString::fromStdString((work() / "report.txt").string())), QString(), S_IFREG)});
  }
  QList<QAction*> actions(const KFileItemListProperties& items) { return plugin->actions(items, &window); }

  World world;
  PrivateSessionBus bus;
  std::vector<std::string> env;
  KAbstractFileItemActionPlugin* plugin = nullptr;
  QWidget window;
};

void actionsCall(benchmark::State& state, bool background) {
  static Setting setting;
  const auto items = background ? setting.folderItems() : setting.fileItems();
  std::vector<double> micros;
  for (auto _ : state) {
    const auto start = Clock::now();
    const auto actions = setting.actions(items);
    micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    if (actions.isEmpty()) state.SkipWithError("no menu");
    QCoreApplication::processEvents();
  }
  std::sort(micros.begin(), micros.end());
  if (!micros.empty()) {
    state.counters["p99_us"] = micros[micros.size() * 99 / 100];
    state.counters["max_us"] = micros.back();
  }
}

}  // namespace

BENCHMARK_CAPTURE(actionsCall, background, true);
BENCHMARK_CAPTURE(actionsCall, file, false);

int main(int argc, char** argv) {
  int qtArgc = 3;
  char platform[] = "-platform", offscreen[] = "offscreen";
  char* qtArgv[] = {argv[0], platform, offscreen, nullptr};
  QApplication application(qtArgc, qtArgv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
