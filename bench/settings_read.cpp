// One full settings read of a menu request: the three lists and the two
// switches, decoded and repaired, from the real SQLite suite.

#include <benchmark/benchmark.h>

#include "FileTesting.h"
#include "nimbra/SettingsStore.h"
#include "nimbra/platform/linux/SqliteDefaultsSuite.h"

namespace {

using namespace nimbra;

enum Contents { absentKeys, storedDefaults, customTypes200 };

void fill(SettingsStore& store, Contents contents) {
  if (contents == absentKeys) return;
  auto items = NewItem::builtIns();
  if (contents == customTypes200) {
    for (int i = 0; i < 200; ++i) {
      const auto n = std::to_string(i);
      items.push_back(NewItem{"00000000-0000-4000-8000-" + std::string(12 - n.size(), '0') + n,
                              NewItemKind::Text{"#!/bin/sh\n# template " + n + "\n", i % 3 == 0}, "x" + n, "Custom " + n,
                              std::nullopt, i % 2 == 0, false});
    }
  }
  store.save(items);
  store.save(SendToEntry::defaults());
  store.save(OpenWithEntry::defaults());
  store.setBool(settingsKey::groupNewItems, true);
  store.setBool(settingsKey::showUnopenableTypes, false);
}

void BM_MenuSettingsRead(benchmark::State& state) {
  const testing::TemporaryFolder container;
  SettingsStore store(platform::openSuiteIn(container.path()));
  fill(store, static_cast<Contents>(state.range(0)));
  for (auto _ : state) {
    auto newItems = store.newItems();
    auto sendTo = store.sendTo();
    auto openWith = store.openWith();
    const bool group = store.boolForKey(settingsKey::groupNewItems);
    const bool unopenable = store.boolForKey(settingsKey::showUnopenableTypes);
    benchmark::DoNotOptimize(newItems.data());
    benchmark::DoNotOptimize(sendTo.data());
    benchmark::DoNotOptimize(openWith.data());
    benchmark::DoNotOptimize(group);
    benchmark::DoNotOptimize(unopenable);
  }
  state.counters["newItems"] = static_cast<double>(store.newItems().size());
}
BENCHMARK(BM_MenuSettingsRead)->ArgName("contents")->Arg(absentKeys)->Arg(storedDefaults)->Arg(customTypes200)->Unit(benchmark::kMicrosecond);

// What a per-process cache pays to learn whether the suite changed.
void BM_ChangeCount(benchmark::State& state) {
  const testing::TemporaryFolder container;
  const auto suite = platform::openSuiteIn(container.path());
  for (auto _ : state) benchmark::DoNotOptimize(suite->changeCount());
}
BENCHMARK(BM_ChangeCount)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
