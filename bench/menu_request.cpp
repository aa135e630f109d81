// One full menu request as a host makes it: read the settings (validated against
// the suite's change count), gather the inputs, build the tree and number the
// leaves. With warm caches, and with every cache entry expired: a host that
// refreshes in the background serves the stale answers, one without waits for
// GIO. Runs against a real suite in a private XDG_CONFIG_HOME and this machine's
// real desktop entries and MIME database.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "nimbra/extension/FinderSync.h"
#include "nimbra/extension/MenuRendering.h"
#include "nimbra/extension/linux/SystemServices.h"
#include "nimbra/platform/linux/JournalLog.h"
#include "nimbra/platform/linux/MainLoopScheduler.h"
#include "nimbra/platform/linux/WatchedExtensionSwitch.h"

namespace {

using namespace nimbra;

struct CountingHost {
  using Menu = std::size_t;
  Menu makeMenu() { return 0; }
  void addSeparator(Menu& m) { ++m; }
  void addAction(Menu& m, const MenuNode::Action&, long) { ++m; }
  void addSubmenu(Menu& m, const MenuNode::Submenu&, Menu child) { m += 1 + child; }
};

// A settings folder of the benchmark's own, removed when it ends.
struct PrivateConfigHome {
  PrivateConfigHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "nimbra-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    ::setenv("XDG_CONFIG_HOME", pattern.c_str(), 1);
    path = pattern;
  }
  ~PrivateConfigHome() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  std::filesystem::path path;
};

void privateConfigHome() { static const PrivateConfigHome home; }

std::vector<NewItem> withCustomTypes(int count) {
  auto items = NewItem::builtIns();
  for (int i = 0; i < count; ++i) {
    char id[37];
    std::snprintf(id, sizeof id, "00000000-0000-4000-8000-%012d", i);
    items.push_back(NewItem{id, NewItemKind::Text{"template " + std::to_string(i), false}, "ext" + std::to_string(i % 50),
                            "Custom " + std::to_string(i), std::nullopt, true, false});
  }
  return items;
}

struct NoHost final : extension::HostServices {
  void beep() override {}
  bool mayPressKeys() override { return false; }
  void askToPressKeys() override {}
  bool fileManagerIsFrontmost() override { return false; }
  std::vector<std::filesystem::path> selectedItems() override { return {}; }
  void pressRename() override {}
};

enum class Caches { warm, expiredRefreshedInBackground, expiredWaitedFor };

void menuRequest(benchmark::State& state, MenuKind kind, int customTypes, Caches caches) {
  privateConfigHome();
  const auto log = platform::journalLog("extension");
  auto store = extension::openExtensionSettings(*log);
  if (!store) {
    state.SkipWithError("settings suite did not open");
    return;
  }
  store->save(withCustomTypes(customTypes));
  const auto scheduler = platform::mainLoopScheduler();
  // Every cache entry is older than a minute at the next request.
  auto offset = std::make_shared<std::chrono::seconds>(0);
  const auto now = [offset] { return std::chrono::system_clock::now() + *offset; };
  auto environment = extension::systemExtensionEnvironment(caches == Caches::expiredWaitedFor ? nullptr : scheduler, now);
  // As in Files, where the switch is followed by a file monitor rather than looked at.
  environment.extensionSwitch = platform::watchedExtensionSwitch({});
  extension::FinderSync sync(
      store, std::move(environment),
      extension::systemDispatcherServices(log, std::make_shared<NoHost>(), scheduler));
  const std::vector selection = {extension::SelectedItem::known("/tmp", true)};
  CountingHost host;
  std::vector<MenuAction> actions;
  const auto request = [&] {
    actions.clear();
    return extension::render(host, sync.menuNodes(kind, selection), actions);
  };
  sync.warmUp();
  scheduler->runUntilIdle();
  request();
  for (auto _ : state) {
    if (caches != Caches::warm) *offset += std::chrono::seconds(61);
    auto menu = request();
    benchmark::DoNotOptimize(menu);
  }
  state.counters["leaves"] = static_cast<double>(actions.size());
  scheduler->runUntilIdle();
}

void BM_ContainerDefaults(benchmark::State& s) { menuRequest(s, MenuKind::contextualMenuForContainer, 0, Caches::warm); }
void BM_ItemsDefaults(benchmark::State& s) { menuRequest(s, MenuKind::contextualMenuForItems, 0, Caches::warm); }
void BM_Container200Custom(benchmark::State& s) { menuRequest(s, MenuKind::contextualMenuForContainer, 200, Caches::warm); }
void BM_Items200Custom(benchmark::State& s) { menuRequest(s, MenuKind::contextualMenuForItems, 200, Caches::warm); }
void BM_ContainerExpiredRefreshedInBackground(benchmark::State& s) {
  menuRequest(s, MenuKind::contextualMenuForContainer, 0, Caches::expiredRefreshedInBackground);
}
void BM_ContainerExpiredWaitedFor(benchmark::State& s) {
  menuRequest(s, MenuKind::contextualMenuForContainer, 0, Caches::expiredWaitedFor);
}

BENCHMARK(BM_ContainerDefaults)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ItemsDefaults)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Container200Custom)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Items200Custom)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ContainerExpiredRefreshedInBackground)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ContainerExpiredWaitedFor)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
